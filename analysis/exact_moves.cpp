// The moves: the fast kernel of the exact engine. A move is one pass of
// multiply-adds per bit over the counts of exact_layout.h:
//     next[s] = (now[s] stay[s] + sum over bits of now[s ^ 2^b] into[b][s]) / 170000
// Each product and each sum is a statement of its own, lane by lane too,
// so that no compiler fuses them and the figures are the same from one
// build to the next.

#include "exact_engine.h"

namespace {
// Widens pair p's far counts to doubles: wide[bit - 1] holds both lanes'.
void widen_counts(const exact_walk& walk, std::size_t p, two_doubles (&wide)[far_bits])
{
    const eight_counts* counts = far_counts(walk, p);
    for (std::size_t g = 0; g < far_groups; ++g) {
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

// Sets sums, a pair's chains, to the inflow from the pair's own states and
// along bit 1 from the pair at there: probabilities now times counts.
void add_near_inflow(two_doubles* sums, const two_doubles* here, const two_doubles* there,
                     const four_floats& near, const two_doubles& along_1)
{
    four_doubles wide;
    convert(near, wide);
    const two_doubles stay = {wide[0], wide[1]};
    const two_doubles along_0 = {wide[2], wide[3]};
    for (std::size_t c = 0; c < chains; ++c) {
        const two_doubles kept = here[c] * stay;
        const two_doubles across = two_doubles{here[c][1], here[c][0]} * along_0;
        sums[c] = kept + across;
        const two_doubles from_1 = there[c] * along_1;
        sums[c] += from_1;
    }
}
} // namespace

// Two pairs at a time, p and p + 1, each other's neighbours along bit 1.
void move_pairs(exact_walk& walk, std::size_t begin, std::size_t end)
{
    const two_doubles scale = {count_scale, count_scale};
    for (std::size_t p = begin; p < end; p += 2) {
        two_doubles wide[2][far_bits];
        widen_counts(walk, p, wide[0]);
        widen_counts(walk, p + 1, wide[1]);
        const two_doubles* here = &chain_pair(walk.now, p, 0);
        two_doubles sums[2][chains];
        add_near_inflow(sums[0], here, here + chains, walk.near[p], wide[0][0]);
        add_near_inflow(sums[1], here + chains, here, walk.near[p + 1], wide[1][0]);
        for (std::int32_t bit = 2; bit < problem_grid.bits; ++bit) {
            const two_doubles* there = &chain_pair(walk.now, neighbour_pair(p, bit), 0);
            for (std::size_t c = 0; c < chains; ++c) {
                const two_doubles into_0 = there[c] * wide[0][bit - 1];
                sums[0][c] += into_0;
                const two_doubles into_1 = there[chains + c] * wide[1][bit - 1];
                sums[1][c] += into_1;
            }
        }
        for (std::size_t c = 0; c < chains; ++c) {
            chain_pair(walk.next, p, c) = sums[0][c] * scale;
            chain_pair(walk.next, p + 1, c) = sums[1][c] * scale;
        }
    }
}

void hold_targets(const exact_grid& grid, exact_walk& walk)
{
    for (std::size_t c = 0; c < chains; ++c)
        for (const std::int32_t s : grid.targets[c]) {
            two_doubles& pair = chain_pair(walk.next, pair_of(s), c);
            walk.held[c] += pair[lane_of(s)];
            pair[lane_of(s)] = 0.0;
        }
}
