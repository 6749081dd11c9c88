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
//   pair p       states 2p and 2p + 1, the two lanes of a vector; along
//                bit 0 they are each other's neighbours, along bit b > 0
//                their neighbours are the pair p ^ 2^(b - 1)
//   now, next    by pair, chain after chain:
//                  [p0: c0 c1 c2][p1: c0 c1 c2] ...    each {P(2p), P(2p + 1)}
//   near[p]      four floats: {stay of 2p, stay of 2p + 1,
//                              into 2p along bit 0, into 2p + 1 along bit 0}
//   far[p]       32 counts of 16 bits, in 4 eight_counts:
//                  {bit 1 into 2p, into 2p + 1, bit 2 into 2p, ... bit 16 into 2p + 1}
//
// "Into s along b" counts the draws that take the move from s ^ 2^b to s;
// the stay of s is 170000 less the counts of the 17 moves out of s. A stay
// can pass 65535, so it is a float (exact: a whole number below 2^24); no
// other count is above 10000. A slot numbers every count once: the near
// counts of all pairs first, 4 a pair, then the far counts, 32 a pair.

#include "exact.h"
#include "lanes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// --- Counts ---------------------------------------------------------------

inline constexpr std::int32_t draw_steps = 10000; // uniform_between(0, 1) is s / 10000, s < 10000
inline constexpr double draw_scale = 10000.0;
inline constexpr float every_draw = 10000.0f;                       // a move always taken
inline constexpr float every_flip = every_draw * problem_grid.bits; // every move of a state taken
inline constexpr double count_scale = 1.0 / (draw_scale * problem_grid.bits); // one draw of one bit

// --- Chains ---------------------------------------------------------------

// The search itself, and two chains in which the states above 1.5, or the
// best point, hold on to the probability that reaches them.
inline constexpr std::size_t chains = 3;
inline constexpr std::size_t free_chain = 0;
inline constexpr std::size_t above_chain = 1;
inline constexpr std::size_t maximum_chain = 2;

// --- Pairs ----------------------------------------------------------------

inline constexpr std::size_t side_by_side = 2;
inline constexpr std::size_t pairs = grid_points / side_by_side;
inline constexpr std::size_t near_slots = 4;
inline constexpr std::size_t far_bits = problem_grid.bits - 1; // bits 1 .. 16
inline constexpr std::size_t far_slots = side_by_side * far_bits;
inline constexpr std::size_t far_groups = far_slots / 8; // eight_counts a pair
inline constexpr std::size_t all_near_slots = near_slots * pairs;
static_assert(far_slots % 8 == 0);

constexpr std::int32_t weight_of(std::int32_t bit)
{
    return std::int32_t{1} << bit;
}

constexpr std::size_t pair_of(std::int32_t state)
{
    return static_cast<std::size_t>(state) / side_by_side;
}

constexpr std::size_t lane_of(std::int32_t state)
{
    return static_cast<std::size_t>(state) % side_by_side;
}

// The pair of the neighbours of pair p's states along bit (at least 1).
constexpr std::size_t neighbour_pair(std::size_t p, std::int32_t bit)
{
    return p ^ pair_of(weight_of(bit));
}

// Where bit's count into the lane lies among a pair's far counts.
constexpr std::size_t far_index(std::int32_t bit, std::size_t lane)
{
    return side_by_side * static_cast<std::size_t>(bit - 1) + lane;
}

constexpr std::size_t stay_slot(std::int32_t state)
{
    return pair_of(state) * near_slots + lane_of(state);
}

// The slot of bit 1's count into state, or past the last pair's for the end.
constexpr std::size_t far_slot(std::int32_t state)
{
    return all_near_slots + pair_of(state) * far_slots + lane_of(state);
}

// The slot of the count of the move from state ^ 2^bit into state.
constexpr std::size_t move_slot(std::int32_t state, std::int32_t bit)
{
    if (bit == 0)
        return stay_slot(state) + side_by_side;
    return far_slot(state) + far_index(bit, 0);
}

// --- The engine's data ----------------------------------------------------

// What stays fixed for the whole computation.
struct exact_grid {
    std::vector<double> objective;             // f(k) by grid point, not narrowed
    std::vector<std::int32_t> point_of_state;  // the grid point k each state stands for
    std::vector<double> state_objective;       // f of each state's point
    std::vector<float> worse;                  // the distinct deltas <= 0 of all moves, ascending
    std::vector<std::uint32_t> worse_moves;    // the slots of the moves whose delta is <= 0
    std::vector<std::uint32_t> rank;           // for each of them, the index of its delta in worse
    std::vector<std::size_t> ranks_from;       // where the ranks of each stretch begin in rank
    std::vector<std::int32_t> targets[chains]; // the states that hold on to probability
};

// What the moves read and write.
struct exact_walk {
    std::vector<two_doubles> now;      // by pair, chain after chain
    std::vector<two_doubles> next;     // the same
    double held[chains];               // the probability the targets took out of each chain
    std::vector<double> shown[chains]; // now, chain by chain, by grid point, for a report
    std::vector<float> worse_counts;   // the draws that take a move, per entry of worse
    std::vector<four_floats> near;     // per pair
    std::vector<eight_counts> far;     // far_groups per pair
};

// The probabilities of pair p's two states in chain c.
inline two_doubles& chain_pair(std::vector<two_doubles>& p_of, std::size_t p, std::size_t c)
{
    return p_of[p * chains + c];
}

// Pair p's far counts, far_groups of them.
inline const eight_counts* far_counts(const exact_walk& walk, std::size_t p)
{
    return walk.far.data() + p * far_groups;
}

// The counts of bit (at least 1) into both states of pair p, by lane.
inline void far_pair(const exact_walk& walk, std::size_t p, std::int32_t bit,
                     std::uint16_t (&both)[side_by_side])
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(far_counts(walk, p));
    std::memcpy(both, bytes + far_index(bit, 0) * sizeof(std::uint16_t), sizeof both);
}

// Sets the count at slot; a count of 16 bits is written through its bytes.
inline void set_count(exact_walk& walk, std::size_t slot, float count)
{
    if (slot < all_near_slots) {
        walk.near[slot / near_slots][slot % near_slots] = count;
        return;
    }
    const auto whole = static_cast<std::uint16_t>(count);
    auto* bytes = reinterpret_cast<unsigned char*>(walk.far.data());
    std::memcpy(bytes + (slot - all_near_slots) * sizeof whole, &whole, sizeof whole);
}
