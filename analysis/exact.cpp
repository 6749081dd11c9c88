#include "exact.h"

#include "coding.h"
#include "landscape.h"
#include "lanes.h"
#include "study.h"

#include <algorithm>
#include <barrier>
#include <cmath>
#include <cstring>
#include <numeric>
#include <thread>

// Each product and each sum is a statement of its own, lane by lane too,
// so that no compiler fuses them and the figures are the same from one build
// to the next.
//
// A move flips one of the 17 bits, each with probability 1/17, and is taken
// on so many of the 10000 equally likely draws of uniform_between(0, 1).
// Acceptance is kept as that count of draws, a whole number held exactly in
// a float, so a move is one pass of multiply-adds per bit:
//     next[k] = (now[k] stay[k] + sum over bits of now[k ^ w] taking[bit][k]) / 170000
// where taking[bit][k] counts the draws that take the move from k ^ w to k,
// and stay[k] is 170000 less the counts of the moves that leave k.

namespace {
constexpr std::int32_t draw_steps = 10000; // uniform_between(0, 1) is s / 10000, s < 10000
constexpr double draw_scale = 10000.0;
constexpr float every_draw = 10000.0f;                       // the count of a move always taken
constexpr float every_flip = every_draw * problem_grid.bits; // every move of a point taken
constexpr double count_share = 1.0 / (draw_scale * problem_grid.bits); // one draw of one bit

// The threads share the grid in whole tiles.
constexpr std::int32_t tile = 512;
constexpr std::int32_t tiles = grid_points / tile;

// A move is worked out for two points at once, k even and k + 1, their
// values side by side as the processor multiplies and adds them two at a
// time (SSE2 on x86-64, which the release build is limited to), written
// with the lanes of lanes.h. Along bit 0 the two are each other's
// neighbours; along any other bit their neighbours are a pair too.
constexpr std::size_t side_by_side = 2;
constexpr std::size_t pairs = grid_points / side_by_side;

// The chains carried side by side: the search itself, and two in which the
// points above 1.5, or the best point, hold on to the probability that
// reaches them. A pair's chains lie together, so that a neighbour pair is
// one piece of memory.
constexpr std::size_t chains = 3;
constexpr std::size_t free_chain = 0;
constexpr std::size_t above_chain = 1;
constexpr std::size_t maximum_chain = 2;

constexpr std::size_t pair_of(std::int32_t k)
{
    return static_cast<std::size_t>(k) / side_by_side;
}

constexpr std::size_t lane_of(std::int32_t k)
{
    return static_cast<std::size_t>(k) % side_by_side;
}

// The counts, by slot: per pair the stays of the two and the counts of
// their moves along bit 0, as four floats (a stay can pass 65535); after
// those of all pairs, per pair bit after bit the counts of the moves into
// the two, eight at a time in 16 bits each (none is above 10000), so that a
// move reads little memory.
constexpr std::size_t first_slots = 4;
constexpr std::size_t pair_groups = side_by_side * (problem_grid.bits - 1) / 8;
constexpr std::size_t pair_slots = 8 * pair_groups;
constexpr std::size_t all_first_slots = first_slots * pairs;
static_assert(side_by_side * (problem_grid.bits - 1) % 8 == 0);

constexpr std::size_t stay_slot(std::int32_t k)
{
    return pair_of(k) * first_slots + lane_of(k);
}

// The slot of bit 1's count into k, or past the last pair's for the end.
constexpr std::size_t first_move_slot(std::int32_t k)
{
    return all_first_slots + pair_of(k) * pair_slots + lane_of(k);
}

constexpr std::size_t move_slot(std::int32_t k, std::int32_t bit)
{
    if (bit == 0)
        return stay_slot(k) + side_by_side;
    return first_move_slot(k) + side_by_side * static_cast<std::size_t>(bit - 1);
}

// What stays fixed for the whole computation.
struct exact_grid {
    std::vector<double> objective;             // f of each state, not narrowed
    std::vector<float> worse;                  // the distinct deltas <= 0 of all moves, ascending
    std::vector<std::uint32_t> worse_moves;    // the slots of the moves whose delta is <= 0
    std::vector<std::uint32_t> rank;           // for each of them, the index of its delta in worse
    std::vector<std::size_t> ranks_from;       // where the ranks of each stretch begin in rank
    std::vector<std::int32_t> targets[chains]; // the points that hold on to probability
};

// What the moves read and write.
struct exact_walk {
    std::vector<two_doubles> now;      // by pair, chain after chain
    std::vector<two_doubles> next;     // the same
    double held[chains];               // the probability the targets took out of each chain
    std::vector<double> shown[chains]; // now, chain by chain, for the report of a level
    std::vector<float> worse_counts;   // the draws that take a move, per entry of worse
    std::vector<four_floats> first;    // per pair, its first slots
    std::vector<eight_counts> taking;  // the draws that take each other move, by slot
};

// A count of 16 bits is written through its bytes.
void set_count(exact_walk& walk, std::size_t slot, float count)
{
    if (slot < all_first_slots) {
        walk.first[slot / first_slots][slot % first_slots] = count;
        return;
    }
    const auto whole = static_cast<std::uint16_t>(count);
    auto* bytes = reinterpret_cast<unsigned char*>(walk.taking.data());
    std::memcpy(bytes + (slot - all_first_slots) * sizeof whole, &whole, sizeof whole);
}

// The points first .. end - 1, whole tiles, that one thread works out.
struct share {
    std::int32_t first;
    std::int32_t end;
};

// The share of thread t of count: the threads take contiguous shares, and
// each point's figures are worked out the same way in any share.
share share_of(std::int32_t t, std::int32_t count)
{
    return {tiles * t / count * tile, tiles * (t + 1) / count * tile};
}

constexpr std::int32_t weight_of(std::int32_t bit)
{
    return std::int32_t{1} << bit;
}

// --- Acceptance -----------------------------------------------------------

// Returns how many draws s / 10000 (s < 10000) lie below exp(delta / T):
// those on which accepts_worse takes a move of delta. (The search forms its
// draw in extended precision; rounded to double it is s / 10000 for every s.)
float draws_taking(float delta, double temperature)
{
    const double bar = std::exp(delta / temperature);
    auto s = static_cast<std::int32_t>(std::min(bar, 1.0) * draw_scale); // off by one at most
    while (s < draw_steps && s / draw_scale < bar)
        ++s;
    while (s > 0 && !((s - 1) / draw_scale < bar))
        --s;
    return static_cast<float>(s);
}

// Fills counts strictly between first and last, given counts at both. The
// count grows with delta, so a stretch with equal ends is equal throughout.
void fill_counts(const float* worse, float* counts, std::int32_t first, std::int32_t last,
                 double temperature)
{
    if (last - first < 2)
        return;
    if (counts[first] == counts[last]) {
        std::fill(counts + first + 1, counts + last, counts[first]);
        return;
    }
    const std::int32_t middle = first + (last - first) / 2;
    counts[middle] = draws_taking(worse[middle], temperature);
    fill_counts(worse, counts, first, middle, temperature);
    fill_counts(worse, counts, middle, last, temperature);
}

// Sets worse_counts for T: every entry for anneal, all 0 for climb.
void count_worse_moves(const exact_grid& grid, exact_walk& walk, move_rule rule, double T)
{
    std::vector<float>& counts = walk.worse_counts;
    const auto last = static_cast<std::int32_t>(counts.size()) - 1;
    if (rule == move_rule::climb || last < 0) {
        std::fill(counts.begin(), counts.end(), 0.0f);
        return;
    }
    counts.front() = draws_taking(grid.worse.front(), T);
    counts.back() = draws_taking(grid.worse.back(), T);
    fill_counts(grid.worse.data(), counts.data(), 0, last, T);
}

// Sets taking for the worse moves into the points first .. end - 1.
// The moves are spread stretch by stretch of ranks, slot after slot in each,
// so that the counts read lie in the second-level cache.
void spread_counts(const exact_grid& grid, exact_walk& walk, std::int32_t first, std::int32_t end)
{
    const std::vector<std::uint32_t>& moves = grid.worse_moves;
    const auto spread = [&](std::size_t stretch, std::size_t from, std::size_t to) {
        const auto stretch_end =
            moves.begin() + static_cast<std::ptrdiff_t>(grid.ranks_from[stretch + 1]);
        const auto at =
            std::lower_bound(moves.begin() + static_cast<std::ptrdiff_t>(grid.ranks_from[stretch]),
                             stretch_end, from);
        const auto stop = std::lower_bound(at, stretch_end, to);
        for (auto i = static_cast<std::size_t>(at - moves.begin());
             i < static_cast<std::size_t>(stop - moves.begin()); ++i)
            set_count(walk, moves[i], walk.worse_counts[grid.rank[i]]);
    };
    for (std::size_t stretch = 0; stretch + 1 < grid.ranks_from.size(); ++stretch) {
        spread(stretch, stay_slot(first), stay_slot(end));
        spread(stretch, first_move_slot(first), first_move_slot(end));
    }
}

// Sets the stays of the points first .. end - 1: every_flip less the
// counts of the moves out of each, which are those into its neighbours,
// summed as whole numbers (below 2^24, so the float is exact).
void count_stays(exact_walk& walk, std::int32_t first, std::int32_t end)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(walk.taking.data());
    for (std::size_t p = pair_of(first); p < pair_of(end); ++p) {
        four_floats& own = walk.first[p];
        std::uint32_t out[side_by_side] = {0, 0};
        for (std::int32_t bit = 1; bit < problem_grid.bits; ++bit) {
            // The counts into the neighbour pair along bit, both lanes at once.
            const std::size_t at = (p ^ pair_of(weight_of(bit))) * pair_slots +
                                   side_by_side * static_cast<std::size_t>(bit - 1);
            std::uint16_t both[side_by_side];
            std::memcpy(both, bytes + at * sizeof(std::uint16_t), sizeof both);
            out[0] += both[0];
            out[1] += both[1];
        }
        const float kept_0 = every_flip - own[3];
        own[0] = kept_0 - static_cast<float>(out[0]);
        const float kept_1 = every_flip - own[2];
        own[1] = kept_1 - static_cast<float>(out[1]);
    }
}

// Makes taking those of T; every thread calls it with its share.
void set_acceptance(const exact_grid& grid, exact_walk& walk, move_rule rule, double T, share mine,
                    std::barrier<>& met)
{
    if (mine.first == 0)
        count_worse_moves(grid, walk, rule, T);
    met.arrive_and_wait();
    spread_counts(grid, walk, mine.first, mine.end);
    // Stays read the counts of moves out of each point, which lie in other shares.
    met.arrive_and_wait();
    count_stays(walk, mine.first, mine.end);
    met.arrive_and_wait();
}

// --- Moves ----------------------------------------------------------------

// Widens a pair's counts to doubles, two by two, bit after bit from bit 1.
void widen_counts(const eight_counts* counts, two_doubles* wide)
{
    for (std::size_t g = 0; g < pair_groups; ++g) {
        eight_wide_counts all;
        convert(counts[g], all);
        four_doubles low;
        convert(four_counts{all[0], all[1], all[2], all[3]}, low);
        four_doubles high;
        convert(four_counts{all[4], all[5], all[6], all[7]}, high);
        wide[4 * g] = two_doubles{low[0], low[1]};
        wide[4 * g + 1] = two_doubles{low[2], low[3]};
        wide[4 * g + 2] = two_doubles{high[0], high[1]};
        wide[4 * g + 3] = two_doubles{high[2], high[3]};
    }
}

// Adds to sums, a pair's chains, the inflow from the pair's own points and
// along bit 1 from the pair at there: probabilities now times counts.
void add_near_inflow(two_doubles* sums, const two_doubles* here, const two_doubles* there,
                     const four_floats& first, const two_doubles& along_1)
{
    four_doubles stays;
    convert(first, stays);
    const two_doubles stay = {stays[0], stays[1]};
    const two_doubles along_0 = {stays[2], stays[3]};
    for (std::size_t c = 0; c < chains; ++c) {
        const two_doubles kept = here[c] * stay;
        const two_doubles across = two_doubles{here[c][1], here[c][0]} * along_0;
        sums[c] = kept + across;
        const two_doubles from_1 = there[c] * along_1;
        sums[c] += from_1;
    }
}

// Sets next of every chain at the pairs first .. end - 1, two pairs at a
// time (each other's neighbours along bit 1): the probability now times the
// draws that keep it, plus the probability of the neighbours times the
// draws that take the move from there, bit after bit.
void move_pairs(exact_walk& walk, std::size_t first, std::size_t end)
{
    const two_doubles scale = {count_share, count_share};
    const two_doubles* now = walk.now.data();
    constexpr std::size_t bit_counts = side_by_side * pair_groups * 4;
    for (std::size_t p = first; p < end; p += 2) {
        two_doubles wide[2][bit_counts];
        widen_counts(walk.taking.data() + p * pair_groups, wide[0]);
        widen_counts(walk.taking.data() + (p + 1) * pair_groups, wide[1]);
        const two_doubles* here = now + p * chains;
        two_doubles sums[2][chains];
        add_near_inflow(sums[0], here, here + chains, walk.first[p], wide[0][0]);
        add_near_inflow(sums[1], here + chains, here, walk.first[p + 1], wide[1][0]);
        for (std::int32_t bit = 2; bit < problem_grid.bits; ++bit) {
            const two_doubles* there = now + (p ^ pair_of(weight_of(bit))) * chains;
            for (std::size_t c = 0; c < chains; ++c) {
                const two_doubles into_0 = there[c] * wide[0][bit - 1];
                sums[0][c] += into_0;
                const two_doubles into_1 = there[chains + c] * wide[1][bit - 1];
                sums[1][c] += into_1;
            }
        }
        for (std::size_t c = 0; c < chains; ++c) {
            walk.next[p * chains + c] = sums[0][c] * scale;
            walk.next[(p + 1) * chains + c] = sums[1][c] * scale;
        }
    }
}

// Moves the probability that reached each chain's targets out of the chain.
void hold_targets(const exact_grid& grid, exact_walk& walk)
{
    for (std::size_t c = 0; c < chains; ++c)
        for (const std::int32_t k : grid.targets[c]) {
            two_doubles& pair = walk.next[pair_of(k) * chains + c];
            walk.held[c] += pair[lane_of(k)];
            pair[lane_of(k)] = 0.0;
        }
}

// --- Setting up -----------------------------------------------------------

// Returns the delta of the move from k ^ weight to k, as the search forms it.
float delta_into(const std::vector<double>& objective, std::int32_t k, std::int32_t weight)
{
    const auto to = static_cast<float>(objective[static_cast<std::size_t>(k)]);
    return static_cast<float>(to - objective[static_cast<std::size_t>(k ^ weight)]);
}

// The counts of so many ranks fit the second-level cache.
constexpr std::uint32_t stretch_ranks = 32768;

// Sets worse from deltas, by slot, and returns the rank in it of each
// delta <= 0 (0 for the others).
std::vector<std::uint32_t> rank_worse(exact_grid& grid, const std::vector<float>& deltas)
{
    struct worse_move {
        float delta;
        std::uint32_t slot;
    };
    std::vector<worse_move> moves;
    for (std::size_t i = 0; i < deltas.size(); ++i)
        if (deltas[i] <= 0.0f)
            moves.push_back({deltas[i], static_cast<std::uint32_t>(i)});
    std::sort(moves.begin(), moves.end(),
              [](const worse_move& a, const worse_move& b) { return a.delta < b.delta; });
    std::vector<std::uint32_t> ranks(deltas.size(), 0);
    for (const worse_move& move : moves) {
        if (grid.worse.empty() || grid.worse.back() != move.delta)
            grid.worse.push_back(move.delta);
        ranks[move.slot] = static_cast<std::uint32_t>(grid.worse.size() - 1);
    }
    return ranks;
}

// Sets worse, and the worse moves with their ranks by stretches of ranks and
// by slot in each, from the deltas of all moves; the slots of the stays hold
// a delta above 0, as a move always taken.
void rank_deltas(exact_grid& grid)
{
    std::vector<float> deltas(all_first_slots + pairs * pair_slots, 1.0f);
    for (std::int32_t bit = 0; bit < problem_grid.bits; ++bit)
        for (std::int32_t k = 0; k < grid_points; ++k)
            deltas[move_slot(k, bit)] = delta_into(grid.objective, k, weight_of(bit));
    const std::vector<std::uint32_t> ranks = rank_worse(grid, deltas);
    const std::size_t stretches = (grid.worse.size() + stretch_ranks - 1) / stretch_ranks;
    grid.ranks_from.assign(stretches + 1, 0);
    for (std::size_t i = 0; i < deltas.size(); ++i)
        if (deltas[i] <= 0.0f)
            ++grid.ranks_from[ranks[i] / stretch_ranks + 1];
    std::partial_sum(grid.ranks_from.begin(), grid.ranks_from.end(), grid.ranks_from.begin());
    std::vector<std::size_t> placed(grid.ranks_from.begin(), grid.ranks_from.end() - 1);
    grid.worse_moves.resize(grid.ranks_from.back());
    grid.rank.resize(grid.ranks_from.back());
    for (std::size_t i = 0; i < deltas.size(); ++i)
        if (deltas[i] <= 0.0f) {
            const std::size_t at = placed[ranks[i] / stretch_ranks]++;
            grid.worse_moves[at] = static_cast<std::uint32_t>(i);
            grid.rank[at] = ranks[i];
        }
}

// The chain's states are vectors: f of each is f at the point it stands for.
exact_grid make_grid(coding code)
{
    exact_grid grid;
    grid.objective = problem_objective_table(code);
    float highest = 0.0f;
    for (const double f : grid.objective)
        highest = std::max(highest, static_cast<float>(f));
    for (std::int32_t k = 0; k < grid_points; ++k) {
        const auto f = static_cast<float>(grid.objective[static_cast<std::size_t>(k)]);
        if (f > success_threshold)
            grid.targets[above_chain].push_back(k);
        if (f == highest)
            grid.targets[maximum_chain].push_back(k);
    }
    rank_deltas(grid);
    return grid;
}

// The uniform start; the targets' share of it counts as already held.
exact_walk make_walk(const exact_grid& grid)
{
    exact_walk walk{};
    constexpr double uniform = 1.0 / grid_points;
    walk.now.assign(chains * pairs, two_doubles{0.0, 0.0});
    walk.next.assign(chains * pairs, two_doubles{uniform, uniform});
    for (std::size_t c = 0; c < chains; ++c) {
        walk.held[c] = 0.0;
        walk.shown[c].resize(grid_points);
    }
    hold_targets(grid, walk);
    walk.now.swap(walk.next);
    walk.worse_counts.resize(grid.worse.size());
    // The worse moves and the stays are set level by level.
    constexpr auto every = static_cast<std::uint16_t>(every_draw);
    walk.first.assign(pairs, four_floats{every_draw, every_draw, every_draw, every_draw});
    walk.taking.assign(pairs * pair_groups,
                       eight_counts{every, every, every, every, every, every, every, every});
    return walk;
}

// Copies now, chain by chain, to shown.
void show_chains(exact_walk& walk)
{
    for (std::size_t c = 0; c < chains; ++c)
        for (std::int32_t k = 0; k < grid_points; ++k)
            walk.shown[c][static_cast<std::size_t>(k)] =
                walk.now[pair_of(k) * chains + c][lane_of(k)];
}

exact_level level_report(const exact_grid& grid, exact_walk& walk, std::int32_t level,
                         double temperature)
{
    show_chains(walk);
    return {level,
            temperature,
            walk.shown[free_chain].data(),
            walk.shown[above_chain].data(),
            walk.shown[maximum_chain].data(),
            walk.held[above_chain],
            walk.held[maximum_chain],
            grid.objective.data()};
}

exact_result final_figures(exact_walk& walk, std::int32_t levels, coding code)
{
    show_chains(walk);
    const std::vector<grid_peak> peaks = grid_peaks();
    const std::vector<std::int32_t> basins = by_state(code, grid_basins(peaks));
    exact_result result{walk.held[above_chain], walk.held[maximum_chain], {}, levels};
    for (std::size_t j = 0; j < peaks.size(); ++j)
        result.basins.push_back(
            basin_share(walk.shown[free_chain].data(), basins, static_cast<std::int32_t>(j)));
    return result;
}
} // namespace

namespace {
// The whole computation as one thread does it on its share. The threads
// meet after each step; the last to arrive after a move holds the targets
// and makes next now (moved's completion). The first share reports.
template <typename Meeting>
std::int32_t run_share(const exact_grid& grid, exact_walk& walk, move_rule rule,
                       const schedule& plan, share mine, std::barrier<>& met, Meeting& moved,
                       void (*on_level)(const exact_level& level, void* context), void* context)
{
    return static_cast<std::int32_t>(for_each_level(plan, [&](std::int64_t level, double T) {
        if (rule == move_rule::anneal || level == 0)
            set_acceptance(grid, walk, rule, T, mine, met);
        for (std::int32_t move = 0; move < plan.moves_per_level; ++move) {
            move_pairs(walk, pair_of(mine.first), pair_of(mine.end));
            moved.arrive_and_wait();
        }
        if (mine.first == 0 && on_level != nullptr)
            on_level(level_report(grid, walk, static_cast<std::int32_t>(level), T), context);
        // The report reads now, which the next move leaves alone until all meet.
        met.arrive_and_wait();
        return true;
    }));
}
} // namespace

exact_result exact_search(move_rule rule, coding code, const schedule& plan, std::int32_t threads,
                          void (*on_level)(const exact_level& level, void* context), void* context)
{
    const exact_grid grid = make_grid(code);
    exact_walk walk = make_walk(grid);
    const std::int32_t count = std::clamp(threads, 1, tiles);
    std::barrier<> met(count);
    const auto next_is_now = [&]() noexcept {
        hold_targets(grid, walk);
        walk.now.swap(walk.next);
    };
    std::barrier moved(count, next_is_now);
    std::int32_t levels = 0;
    // std::thread joined by hand: libc++ 14, as macOS has had it, has no jthread.
    std::vector<std::thread> helpers;
    for (std::int32_t t = 1; t < count; ++t)
        helpers.emplace_back([&, t] {
            run_share(grid, walk, rule, plan, share_of(t, count), met, moved, nullptr, nullptr);
        });
    levels = run_share(grid, walk, rule, plan, share_of(0, count), met, moved, on_level, context);
    for (std::thread& helper : helpers)
        helper.join();
    return final_figures(walk, levels, code);
}

double basin_share(const double* current, const std::vector<std::int32_t>& basins,
                   std::int32_t peak)
{
    double share = 0.0;
    for (std::size_t k = 0; k < basins.size(); ++k)
        if (basins[k] == peak)
            share += current[k];
    return share;
}

std::vector<double> boltzmann_distribution(const double* objective, double temperature)
{
    const double highest = *std::max_element(objective, objective + grid_points);
    std::vector<double> weights(grid_points);
    double total = 0.0;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        const double below = objective[k] - highest;
        weights[k] = std::exp(below / temperature);
        total += weights[k];
    }
    for (double& weight : weights)
        weight /= total;
    return weights;
}

// The order of the two arrays is that of exact.h, which callers rely on.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
double boltzmann_distance(const double* current, const double* objective, double temperature)
{
    const std::vector<double> boltzmann = boltzmann_distribution(objective, temperature);
    double distance = 0.0;
    for (std::size_t k = 0; k < boltzmann.size(); ++k)
        distance += std::abs(current[k] - boltzmann[k]);
    return distance / 2.0;
}
