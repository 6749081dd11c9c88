// The moves: the fast kernel of the exact engine. A move is one pass of
// multiply-adds per bit over the counts of exact_layout.h:
//     next[s] = (now[s] stay[s] + sum over bits of now[s ^ 2^b] into[b][s]) / 170000
// summed bit after bit from bit 0. Each product and each sum is a statement
// of its own, lane by lane too, so that no compiler fuses them and the
// figures are the same from one build, and one processor, to the next.

#include "exact_engine.h"

namespace {
// Sets sums, a quad's chains, to the inflow from the quad's own states:
// probabilities now times the stays, plus along bits 0 and 1.
void add_near_inflow(four_doubles (&sums)[chains], const four_doubles* here,
                     const four_floats* near)
{
    four_doubles stay;
    convert(near[0], stay);
    four_doubles along_0;
    convert(near[1], along_0);
    four_doubles along_1;
    convert(near[2], along_1);
    for (std::size_t c = 0; c < chains; ++c) {
        const four_doubles& h = here[c];
        const four_doubles kept = h * stay;
        const four_doubles from_0 = four_doubles{h[1], h[0], h[3], h[2]} * along_0;
        sums[c] = kept + from_0;
        const four_doubles from_1 = four_doubles{h[2], h[3], h[0], h[1]} * along_1;
        sums[c] += from_1;
    }
}

// Quad after quad, each far count widened as the move reaches it: a
// table of them widened beforehand costs more than it saves, in
// WebAssembly above all. (Its versions are chosen within this file: GCC
// and Clang disagree on how another file calls them.)
SINC_ANNEAL_WIDER_LANES
void move_all_quads(exact_walk& walk, std::size_t begin, std::size_t end)
{
    const four_doubles scale = {count_scale, count_scale, count_scale, count_scale};
    for (std::size_t q = begin; q < end; ++q) {
        four_doubles sums[chains];
        add_near_inflow(sums, &chain_quad(walk.now, q, 0), near_counts(walk, q));
        for (std::int32_t bit = near_bits; bit < landscape_bits; ++bit) {
            four_doubles wide;
            far_quad(walk, q, bit, wide);
            const four_doubles* there = &chain_quad(walk.now, neighbour_quad(q, bit), 0);
            for (std::size_t c = 0; c < chains; ++c) {
                const four_doubles into = there[c] * wide;
                sums[c] += into;
            }
        }
        for (std::size_t c = 0; c < chains; ++c)
            chain_quad(walk.next, q, c) = sums[c] * scale;
    }
}

} // namespace

void move_quads(exact_walk& walk, std::size_t begin, std::size_t end)
{
    move_all_quads(walk, begin, end);
}

void hold_targets(const exact_grid& grid, exact_walk& walk)
{
    for (std::size_t c = 0; c < chains; ++c)
        for (const std::int32_t s : grid.targets[c]) {
            four_doubles& quad = chain_quad(walk.next, quad_of(s), c);
            walk.held[c] += quad[lane_of(s)];
            quad[lane_of(s)] = 0.0;
        }
}
