#include "exact.h"

#include "landscape.h"
#include "objective.h"
#include "study.h"

#include <algorithm>
#include <cmath>
#include <thread>

// Each product and each sum is a statement of its own, so that no compiler
// fuses them and the figures are the same from one build to the next.
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
constexpr std::size_t flips = std::size_t{problem_grid.bits} * grid_points;

// Points whose next probabilities are summed together, in the first-level
// cache, with the probabilities now of the same points. Along the bits below
// tile_bits a move stays inside the tile. The counts of the moves into a
// tile lie together, bit after bit: the count of the move along bit into k
// is at move_index(k, bit).
constexpr std::int32_t tile_bits = 9;
constexpr std::int32_t tile = 1 << tile_bits;
constexpr std::int32_t tiles = grid_points / tile;
constexpr std::int32_t tile_moves = tile * problem_grid.bits;

constexpr std::size_t move_index(std::int32_t k, std::int32_t bit)
{
    return static_cast<std::size_t>(k / tile * tile_moves + bit * tile + k % tile);
}

// The chains carried side by side: the search itself, and two in which the
// points above 1.5, or the best point, hold on to the probability that
// reaches them.
constexpr std::size_t chains = 3;
constexpr std::size_t free_chain = 0;
constexpr std::size_t above_chain = 1;
constexpr std::size_t maximum_chain = 2;

// What stays fixed for the whole computation.
struct exact_grid {
    std::vector<double> objective;             // f(k), not narrowed
    std::vector<float> worse;                  // the distinct deltas <= 0 of all moves, ascending
    std::vector<std::uint32_t> worse_moves;    // the moves whose delta is <= 0, by move_index
    std::vector<std::uint32_t> rank;           // for each of them, the index of its delta in worse
    std::vector<std::int32_t> targets[chains]; // the points that hold on to probability
};

// What the moves read and write.
struct exact_walk {
    std::vector<double> now[chains];
    std::vector<double> next[chains];
    double held[chains];             // the probability the targets took out of each chain
    std::vector<float> worse_counts; // the draws that take a move, per entry of worse
    std::vector<float> taking;       // the draws that take each move, at move_index
    std::vector<float> stay;         // per k
};

// Runs work(first point, end point) on threads contiguous shares of the
// grid, whole tiles each, the first on the calling thread; returns when all
// are done. Each point's figures are worked out the same way in any share.
template <typename Work>
void share_tiles(std::int32_t threads, const Work& work)
{
    const std::int32_t count = std::clamp(threads, 1, tiles);
    std::vector<std::jthread> helpers;
    for (std::int32_t t = 1; t < count; ++t)
        helpers.emplace_back(work, tiles * t / count * tile, tiles * (t + 1) / count * tile);
    work(0, tiles / count * tile);
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
void spread_counts(const exact_grid& grid, exact_walk& walk, std::int32_t first, std::int32_t end)
{
    const std::vector<std::uint32_t>& moves = grid.worse_moves;
    const auto position = [&](std::int32_t k) {
        const auto at = std::lower_bound(moves.begin(), moves.end(), move_index(k, 0));
        return static_cast<std::size_t>(at - moves.begin());
    };
    const std::size_t stop = position(end);
    for (std::size_t i = position(first); i < stop; ++i)
        walk.taking[moves[i]] = walk.worse_counts[grid.rank[i]];
}

// Takes from stays, over a tile, the counts of the moves out of its points
// along a bit inside the tile: counts are those of the moves into the tile.
template <std::int32_t weight>
void take_outflow_in_tile(float* stays, const float* counts)
{
    for (std::int32_t b = 0; b < tile; b += 2 * weight)
        for (std::int32_t j = 0; j < weight; ++j) {
            stays[b + j] -= counts[b + weight + j];
            stays[b + weight + j] -= counts[b + j];
        }
}

// Sets stay for the points first .. end - 1: every_flip less the
// counts of the moves out of each, which are those into its neighbours.
void count_stays(exact_walk& walk, std::int32_t first, std::int32_t end)
{
    for (std::int32_t k = first; k < end; k += tile) {
        float* stays = walk.stay.data() + k;
        std::fill(stays, stays + tile, every_flip);
        const float* counts = walk.taking.data() + move_index(k, 0);
        take_outflow_in_tile<1>(stays, counts);
        take_outflow_in_tile<2>(stays, counts + tile);
        take_outflow_in_tile<4>(stays, counts + 2 * tile);
        take_outflow_in_tile<8>(stays, counts + 3 * tile);
        take_outflow_in_tile<16>(stays, counts + 4 * tile);
        take_outflow_in_tile<32>(stays, counts + 5 * tile);
        take_outflow_in_tile<64>(stays, counts + 6 * tile);
        take_outflow_in_tile<128>(stays, counts + 7 * tile);
        take_outflow_in_tile<256>(stays, counts + 8 * tile);
        for (std::int32_t bit = tile_bits; bit < problem_grid.bits; ++bit) {
            const float* out = walk.taking.data() + move_index(k ^ weight_of(bit), bit);
            for (std::int32_t j = 0; j < tile; ++j)
                stays[j] -= out[j];
        }
    }
}

// Makes taking and stay those of T.
void set_acceptance(const exact_grid& grid, exact_walk& walk, move_rule rule, double T,
                    std::int32_t threads)
{
    count_worse_moves(grid, walk, rule, T);
    share_tiles(threads, [&](std::int32_t first, std::int32_t end) {
        spread_counts(grid, walk, first, end);
    });
    // Stays read the counts of moves out of each point, which lie in other shares.
    share_tiles(threads,
                [&](std::int32_t first, std::int32_t end) { count_stays(walk, first, end); });
}

// --- Moves ----------------------------------------------------------------

// Adds to the sums of a tile the probability flowing in along a bit inside
// the tile, now holding the tile's probabilities: its probability at the
// neighbour times counts.
template <std::int32_t weight>
void add_inflow_in_tile(double* sums, const double* now, const float* counts)
{
    for (std::int32_t b = 0; b < tile; b += 2 * weight)
        for (std::int32_t j = 0; j < weight; ++j) {
            const double into_low = now[b + weight + j] * static_cast<double>(counts[b + j]);
            sums[b + j] += into_low;
            const double into_high = now[b + j] * static_cast<double>(counts[b + weight + j]);
            sums[b + weight + j] += into_high;
        }
}

// The inflow into a tile along all bits inside it.
void add_inflow_in_tile(double* sums, const double* now, const float* counts)
{
    add_inflow_in_tile<1>(sums, now, counts);
    add_inflow_in_tile<2>(sums, now, counts + tile);
    add_inflow_in_tile<4>(sums, now, counts + 2 * tile);
    add_inflow_in_tile<8>(sums, now, counts + 3 * tile);
    add_inflow_in_tile<16>(sums, now, counts + 4 * tile);
    add_inflow_in_tile<32>(sums, now, counts + 5 * tile);
    add_inflow_in_tile<64>(sums, now, counts + 6 * tile);
    add_inflow_in_tile<128>(sums, now, counts + 7 * tile);
    add_inflow_in_tile<256>(sums, now, counts + 8 * tile);
}

constexpr std::int32_t outside_bits = problem_grid.bits - tile_bits;

// Adds to the sums of a tile the inflow along every bit outside it: from[b]
// and counts[b] are those of bit tile_bits + b.
void add_inflow_outside(double* sums, const double* const* from, const float* const* counts)
{
    for (std::int32_t j = 0; j < tile; ++j) {
        double sum = sums[j];
        for (std::int32_t b = 0; b < outside_bits; ++b) {
            const double inflow = from[b][j] * static_cast<double>(counts[b][j]);
            sum += inflow;
        }
        sums[j] = sum;
    }
}

// Sets next of every chain at the tile of points from k on: their
// probability now times the draws that keep them, plus the probability of
// their neighbours times the draws that take the move from there.
void move_tile(exact_walk& walk, std::int32_t k)
{
    const float* counts = walk.taking.data() + move_index(k, 0);
    const float* outside_counts[outside_bits];
    for (std::int32_t b = 0; b < outside_bits; ++b)
        outside_counts[b] = counts + (tile_bits + b) * tile;
    for (std::size_t c = 0; c < chains; ++c) {
        const double* now = walk.now[c].data();
        double sums[tile];
        for (std::int32_t j = 0; j < tile; ++j)
            sums[j] = now[k + j] * static_cast<double>(walk.stay[static_cast<std::size_t>(k + j)]);
        add_inflow_in_tile(sums, now + k, counts);
        const double* from[outside_bits];
        for (std::int32_t b = 0; b < outside_bits; ++b)
            from[b] = now + (k ^ weight_of(tile_bits + b));
        add_inflow_outside(sums, from, outside_counts);
        for (std::int32_t j = 0; j < tile; ++j)
            walk.next[c][static_cast<std::size_t>(k + j)] = sums[j] * count_share;
    }
}

// Moves the probability that reached each chain's targets out of the chain.
void hold_targets(const exact_grid& grid, exact_walk& walk)
{
    for (std::size_t c = 0; c < chains; ++c)
        for (const std::int32_t k : grid.targets[c]) {
            double& p = walk.next[c][static_cast<std::size_t>(k)];
            walk.held[c] += p;
            p = 0.0;
        }
}

// One move of every chain.
void move_once(const exact_grid& grid, exact_walk& walk, std::int32_t threads)
{
    share_tiles(threads, [&](std::int32_t first, std::int32_t end) {
        for (std::int32_t k = first; k < end; k += tile)
            move_tile(walk, k);
    });
    hold_targets(grid, walk);
    for (std::size_t c = 0; c < chains; ++c)
        walk.now[c].swap(walk.next[c]);
}

// --- Setting up -----------------------------------------------------------

// Returns the delta of the move from k ^ weight to k, as the search forms it.
float delta_into(const std::vector<double>& objective, std::int32_t k, std::int32_t weight)
{
    const auto to = static_cast<float>(objective[static_cast<std::size_t>(k)]);
    return static_cast<float>(to - objective[static_cast<std::size_t>(k ^ weight)]);
}

// Sets worse and rank from the deltas of all moves.
void rank_deltas(exact_grid& grid)
{
    std::vector<float> deltas(flips);
    for (std::int32_t bit = 0; bit < problem_grid.bits; ++bit)
        for (std::int32_t k = 0; k < grid_points; ++k)
            deltas[move_index(k, bit)] = delta_into(grid.objective, k, weight_of(bit));
    for (const float delta : deltas)
        if (delta <= 0.0f)
            grid.worse.push_back(delta);
    std::sort(grid.worse.begin(), grid.worse.end());
    grid.worse.erase(std::unique(grid.worse.begin(), grid.worse.end()), grid.worse.end());
    for (std::size_t i = 0; i < flips; ++i)
        if (deltas[i] <= 0.0f) {
            const auto at = std::lower_bound(grid.worse.begin(), grid.worse.end(), deltas[i]);
            grid.worse_moves.push_back(static_cast<std::uint32_t>(i));
            grid.rank.push_back(static_cast<std::uint32_t>(at - grid.worse.begin()));
        }
}

exact_grid make_grid()
{
    exact_grid grid;
    grid.objective.resize(grid_points);
    float highest = 0.0f;
    for (std::int32_t k = 0; k < grid_points; ++k) {
        grid.objective[static_cast<std::size_t>(k)] = objective(grid_x(k));
        highest =
            std::max(highest, static_cast<float>(grid.objective[static_cast<std::size_t>(k)]));
    }
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
    for (std::size_t c = 0; c < chains; ++c) {
        walk.now[c].assign(grid_points, 0.0);
        walk.next[c].assign(grid_points, 1.0 / grid_points);
        walk.held[c] = 0.0;
    }
    hold_targets(grid, walk);
    for (std::size_t c = 0; c < chains; ++c)
        walk.now[c].swap(walk.next[c]);
    walk.worse_counts.resize(grid.worse.size());
    walk.taking.assign(flips, every_draw); // the worse moves are set level by level
    walk.stay.resize(grid_points);
    return walk;
}

exact_level level_report(const exact_grid& grid, const exact_walk& walk, std::int32_t level,
                         double temperature)
{
    return {level,
            temperature,
            walk.now[free_chain].data(),
            walk.now[above_chain].data(),
            walk.now[maximum_chain].data(),
            walk.held[above_chain],
            walk.held[maximum_chain],
            grid.objective.data()};
}

exact_result final_figures(const exact_walk& walk, std::int32_t levels)
{
    const std::vector<grid_peak> peaks = grid_peaks();
    const std::vector<std::int32_t> basins = grid_basins(peaks);
    exact_result result{walk.held[above_chain], walk.held[maximum_chain], {}, levels};
    for (std::size_t j = 0; j < peaks.size(); ++j)
        result.basins.push_back(
            basin_share(walk.now[free_chain].data(), basins, static_cast<std::int32_t>(j)));
    return result;
}
} // namespace

exact_result exact_search(move_rule rule, const schedule& plan, std::int32_t threads,
                          void (*on_level)(const exact_level& level, void* context), void* context)
{
    const exact_grid grid = make_grid();
    exact_walk walk = make_walk(grid);
    std::int32_t level = 0;
    for (double T = plan.initial_temperature; T > plan.final_temperature; T = plan.cooling * T) {
        if (rule == move_rule::anneal || level == 0)
            set_acceptance(grid, walk, rule, T, threads);
        for (std::int32_t move = 0; move < plan.moves_per_level; ++move)
            move_once(grid, walk, threads);
        if (on_level != nullptr)
            on_level(level_report(grid, walk, level, T), context);
        ++level;
    }
    return final_figures(walk, level);
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
        weights[k] = std::exp((objective[k] - highest) / temperature);
        total += weights[k];
    }
    for (double& weight : weights)
        weight /= total;
    return weights;
}

double boltzmann_distance(const double* current, const double* objective, double temperature)
{
    const std::vector<double> boltzmann = boltzmann_distribution(objective, temperature);
    double distance = 0.0;
    for (std::size_t k = 0; k < boltzmann.size(); ++k)
        distance += std::abs(current[k] - boltzmann[k]);
    return distance / 2.0;
}
