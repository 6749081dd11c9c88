// The counts of one temperature: how many of the 10000 draws take each
// move, worked out once for each distinct delta and spread to the moves.

#include "exact_engine.h"

#include <algorithm>
#include <cmath>

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
// Fills counts strictly between low and high, given counts at both. The
// count grows with delta, so a stretch with equal ends is equal throughout.
void fill_counts(const float* worse, float* counts, std::int32_t low, std::int32_t high,
                 double temperature)
{
    if (high - low < 2)
        return;
    if (counts[low] == counts[high]) {
        std::fill(counts + low + 1, counts + high, counts[low]);
        return;
    }
    const std::int32_t middle = low + (high - low) / 2;
    counts[middle] = draws_taking(worse[middle], temperature);
    fill_counts(worse, counts, low, middle, temperature);
    fill_counts(worse, counts, middle, high, temperature);
}
} // namespace

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

// The moves are spread stretch by stretch of ranks, slot after slot in
// each, so that the counts read lie in the second-level cache.
void spread_counts(const exact_grid& grid, exact_walk& walk, std::int32_t begin, std::int32_t end)
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
        spread(stretch, stay_slot(begin), stay_slot(end));
        spread(stretch, far_slot(begin), far_slot(end));
    }
}

// The moves out of a state are those into its neighbours, summed as whole
// numbers (below 2^24, so the float is exact).
void count_stays(exact_walk& walk, std::int32_t begin, std::int32_t end)
{
    for (std::size_t p = pair_of(begin); p < pair_of(end); ++p) {
        four_floats& near = walk.near[p];
        std::uint32_t out[side_by_side] = {0, 0};
        for (std::int32_t bit = 1; bit < problem_grid.bits; ++bit) {
            std::uint16_t both[side_by_side];
            far_pair(walk, neighbour_pair(p, bit), bit, both);
            out[0] += both[0];
            out[1] += both[1];
        }
        // Out of 2p along bit 0 is into 2p + 1, and the other way round.
        const float kept_0 = every_flip - near[3];
        near[0] = kept_0 - static_cast<float>(out[0]);
        const float kept_1 = every_flip - near[2];
        near[1] = kept_1 - static_cast<float>(out[1]);
    }
}
