// The counts of one temperature: how many of the 10000 draws take each
// move, worked out once for each distinct delta and spread to the moves.

#include "exact_engine.h"

#include <algorithm>
#include <cmath>
#include <cstring>

float draws_taking(float delta, double temperature)
{
    // uniform_between(0, 1) forms its draw as s / 10000 in double, as here.
    const double bar = std::exp(delta / temperature);
    auto s = static_cast<std::int32_t>(std::min(bar, 1.0) * draw_scale); // off by one at most
    while (s < draw_steps && s / draw_scale < bar)
        ++s;
    while (s > 0 && !((s - 1) / draw_scale < bar))
        --s;
    return static_cast<float>(s);
}

namespace {
std::uint16_t whole_draws_taking(float delta, double temperature)
{
    return static_cast<std::uint16_t>(draws_taking(delta, temperature));
}

// Fills counts strictly between low and high, given counts at both. The
// count grows with delta, so a stretch with equal ends is equal throughout.
void fill_counts(const float* worse, std::uint16_t* counts, std::size_t low, std::size_t high,
                 double temperature)
{
    if (high - low < 2)
        return;
    if (counts[low] == counts[high]) {
        std::fill(counts + low + 1, counts + high, counts[low]);
        return;
    }
    const std::size_t middle = low + (high - low) / 2;
    counts[middle] = whole_draws_taking(worse[middle], temperature);
    fill_counts(worse, counts, low, middle, temperature);
    fill_counts(worse, counts, middle, high, temperature);
}
} // namespace

void count_worse_moves(const exact_grid& grid, exact_walk& walk, move_rule rule, double T,
                       std::size_t begin, std::size_t end)
{
    std::uint16_t* counts = walk.worse_counts.data();
    if (rule == move_rule::climb) {
        std::fill(counts + begin, counts + end, std::uint16_t{0});
        return;
    }
    if (begin == end)
        return;
    counts[begin] = whole_draws_taking(grid.worse[begin], T);
    counts[end - 1] = whole_draws_taking(grid.worse[end - 1], T);
    fill_counts(grid.worse.data(), counts, begin, end - 1, T);
}

// Slot after slot, so that the writes go in order; the counts read are
// those of neighbouring deltas, as the deltas of neighbouring states are.
// Only the refusable moves, about half: the others' counts never change.
void spread_counts(const exact_grid& grid, exact_walk& walk, std::int32_t begin, std::int32_t end)
{
    const std::uint16_t* counts = walk.worse_counts.data();
    const std::size_t first = quad_of(begin);
    const std::size_t last = quad_of(end);
    auto* near = reinterpret_cast<unsigned char*>(walk.near.data());
    for (std::uint32_t i = grid.near_refusable_from[first]; i < grid.near_refusable_from[last];
         ++i) {
        const refusable_move& move = grid.near_refusable[i];
        const auto count = static_cast<float>(counts[move.rank]);
        std::memcpy(near + move.slot * sizeof count, &count, sizeof count);
    }
    auto* far = reinterpret_cast<unsigned char*>(walk.far.data());
    for (std::uint32_t i = grid.far_refusable_from[first]; i < grid.far_refusable_from[last]; ++i) {
        const refusable_move& move = grid.far_refusable[i];
        const std::size_t at = (move.slot - all_near_slots) * sizeof(std::uint16_t);
        std::memcpy(far + at, counts + move.rank, sizeof(std::uint16_t));
    }
}

// The moves out of a state are those into its neighbours. Every count is
// a whole number and so is every partial sum (below 2^24), so each float
// here is exact, whatever the order of the sums.
void count_stays(exact_walk& walk, std::int32_t begin, std::int32_t end)
{
    for (std::size_t q = quad_of(begin); q < quad_of(end); ++q) {
        four_counts out = {0, 0, 0, 0};
        for (std::int32_t bit = near_bits; bit < landscape_bits; ++bit) {
            four_counts into;
            far_quad(walk, neighbour_quad(q, bit), bit, into);
            out += into;
        }
        four_floats* near = near_counts(walk, q);
        for (std::size_t lane = 0; lane < side_by_side; ++lane) {
            float stay = every_flip - static_cast<float>(out[lane]);
            // Out of a state along a near bit is into its neighbour in the quad.
            for (std::int32_t bit = 0; bit < near_bits; ++bit)
                stay -= near[1 + bit][lane ^ static_cast<std::size_t>(weight_of(bit))];
            near[0][lane] = stay;
        }
    }
}
