#pragma once
// The exact engine's memory, and the accessors that every part of it goes
// through. Internal to the engine (exact*.cpp) and its tests.
//
// Words. A state is one of the chain's 131072 states, numbered 0 .. 2^17 - 1;
// which grid point k it stands for is the set-up's business (exact_grid's
// point_of_state), so a move flips bit b of the state and the moves never
// look at k. Bit b is the bit of weight 2^b: bit 0 is the least
// significant. (A solution vector of encoding.h holds bit b in element
// 16 - b.) A count is how many of the 10000 draws take a move.
//
//   quad q       states 4q .. 4q + 3, the four lanes of a vector; along
//                bits 0 and 1 they are each other's neighbours, along bit
//                b > 1 their neighbours are the quad q ^ 2^(b - 2)
//   now, next    by quad, chain after chain (quad_chains):
//                  [q0: c0 c1 c2][q1: c0 c1 c2] ...    each {P(4q), .., P(4q + 3)}
//   near[q]      three four_floats: the stays of the four states, then the
//                counts into each along bit 0, then along bit 1
//   far[q]       64 counts of 16 bits, in 8 eight_counts:
//                  {bit 2 into 4q, .., into 4q + 3, bit 3 into 4q, ..,
//                   bit 16 into 4q + 3, 4 unused}
//
// "Into s along b" counts the draws that take the move from s ^ 2^b to s;
// the stay of s is 170000 less the counts of the 17 moves out of s. A stay
// can pass 65535, so it is a float (exact: a whole number below 2^24); no
// other count is above 10000. A slot numbers every count once: the near
// counts of all quads first, 12 a quad, then the far counts, 64 a quad.

#include "exact.h"
#include "lanes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// --- Counts ---------------------------------------------------------------

inline constexpr std::int32_t draw_steps = 10000; // uniform_between(0, 1) is s / 10000, s < 10000
inline constexpr double draw_scale = 10000.0;
inline constexpr float every_draw = 10000.0f;                    // a move always taken
inline constexpr float every_flip = every_draw * landscape_bits; // every move of a state taken
inline constexpr double count_scale = 1.0 / (draw_scale * landscape_bits); // one draw of one bit

// --- Chains ---------------------------------------------------------------

// The search itself, and two chains in which the states above the target,
// or the best points, hold on to the probability that reaches them.
inline constexpr std::size_t chains = 3;
inline constexpr std::size_t free_chain = 0;
inline constexpr std::size_t above_chain = 1;
inline constexpr std::size_t maximum_chain = 2;

// --- Quads ----------------------------------------------------------------

inline constexpr std::size_t side_by_side = 4;
inline constexpr std::size_t quads = grid_points / side_by_side;
inline constexpr std::int32_t near_bits = 2;              // bits 0 and 1, within a quad
inline constexpr std::size_t near_groups = 1 + near_bits; // four_floats a quad
inline constexpr std::size_t near_slots = side_by_side * near_groups;
inline constexpr std::size_t far_bits = landscape_bits - near_bits;          // bits 2 .. 16
inline constexpr std::size_t far_groups = (side_by_side * far_bits + 7) / 8; // eight_counts a quad
inline constexpr std::size_t far_slots = 8 * far_groups;
inline constexpr std::size_t all_near_slots = near_slots * quads;

constexpr std::int32_t weight_of(std::int32_t bit)
{
    return std::int32_t{1} << bit;
}

constexpr std::size_t quad_of(std::int32_t state)
{
    return static_cast<std::size_t>(state) / side_by_side;
}

// The first state of quad q.
constexpr std::int32_t first_state(std::size_t q)
{
    return static_cast<std::int32_t>(q * side_by_side);
}

constexpr std::size_t lane_of(std::int32_t state)
{
    return static_cast<std::size_t>(state) % side_by_side;
}

// The quad of the neighbours of quad q's states along bit (at least 2).
constexpr std::size_t neighbour_quad(std::size_t q, std::int32_t bit)
{
    return q ^ quad_of(weight_of(bit));
}

// Where bit's count into the lane lies among a quad's far counts.
constexpr std::size_t far_index(std::int32_t bit, std::size_t lane)
{
    return side_by_side * static_cast<std::size_t>(bit - near_bits) + lane;
}

constexpr std::size_t stay_slot(std::int32_t state)
{
    return quad_of(state) * near_slots + lane_of(state);
}

// The slot of bit 2's count into state, or past the last quad's for the end.
constexpr std::size_t far_slot(std::int32_t state)
{
    return all_near_slots + quad_of(state) * far_slots + lane_of(state);
}

// The slot of the count of the move from state ^ 2^bit into state.
constexpr std::size_t move_slot(std::int32_t state, std::int32_t bit)
{
    if (bit < near_bits)
        return stay_slot(state) + side_by_side * static_cast<std::size_t>(1 + bit);
    return far_slot(state) + far_index(bit, 0);
}

// --- The engine's data ----------------------------------------------------

// A move that a draw may refuse (its delta <= 0): the slot of its count
// and the index of its delta in worse.
struct refusable_move {
    std::uint32_t slot;
    std::uint32_t rank;
};

// What stays fixed for the whole computation.
struct exact_grid {
    std::vector<double> objective;            // f(k) by grid point, not narrowed
    std::vector<std::int32_t> point_of_state; // the grid point k each state stands for
    std::vector<double> state_objective;      // f of each state's point
    std::vector<float> worse;                 // the distinct deltas <= 0 of all moves, ascending
    // The refusable moves by slot, the near counts' and the far counts'
    // apart, and by quad, plus the end, where each quad's start among them.
    // The counts of the other moves stay every_draw.
    std::vector<refusable_move> near_refusable;
    std::vector<refusable_move> far_refusable;
    std::vector<std::uint32_t> near_refusable_from;
    std::vector<std::uint32_t> far_refusable_from;
    std::vector<std::int32_t> targets[chains]; // the states that hold on to probability
    std::vector<std::int32_t> basins;          // by grid point, its peak's index in grid_peaks
    std::size_t peaks;                         // how many peaks there are
};

// A quad's probabilities in every chain. (Its alignas is what makes a
// vector of them aligned: the attribute of a vector type is lost in a
// template argument.)
struct quad_chains {
    alignas(sizeof(four_doubles)) four_doubles chain[chains];
};

// What the moves read and write.
struct exact_walk {
    std::vector<quad_chains> now;            // by quad
    std::vector<quad_chains> next;           // the same
    double held[chains];                     // the probability the targets took out of each chain
    std::vector<double> shown[chains];       // now, chain by chain, by grid point, for a report
    std::vector<std::uint16_t> worse_counts; // the draws that take a move, per entry of worse,
                                             // and every_draw after them
    std::vector<four_floats> near;           // near_groups per quad
    std::vector<eight_counts> far;           // far_groups per quad
};

// The probabilities of quad q's states in chain c.
inline four_doubles& chain_quad(std::vector<quad_chains>& p_of, std::size_t q, std::size_t c)
{
    return p_of[q].chain[c];
}

// Quad q's near counts: [0] the stays, [1 + bit] the counts along bit.
inline four_floats* near_counts(exact_walk& walk, std::size_t q)
{
    return walk.near.data() + q * near_groups;
}

// Quad q's far counts, far_groups of them.
inline const eight_counts* far_counts(const exact_walk& walk, std::size_t q)
{
    return walk.far.data() + q * far_groups;
}

// Sets wide to the counts of bit (at least 2) into the states of quad q,
// by lane, as four_counts or four_doubles.
template <typename Wide>
void far_quad(const exact_walk& walk, std::size_t q, std::int32_t bit, Wide& wide)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(far_counts(walk, q));
    widen_counts(bytes + far_index(bit, 0) * sizeof(std::uint16_t), wide);
}
