#pragma once
// The one problem the program solves, and the schedule its search runs with.
// Every value is a float, as the program holds it; the schedule is widened
// to double when it is passed to the search.

#include <cstdint>

inline constexpr float problem_lower = -2.0f;
inline constexpr float problem_upper = 2.0f;
inline constexpr float problem_precision = 6e-5f; // gives 17 bits on [-2, 2]

// What the encoding makes of them (bit_count_for and the all-ones vector):
// for the tools, which size arrays by them.
inline constexpr std::int32_t problem_bits = 17;
inline constexpr std::int32_t problem_full_scale = (1 << problem_bits) - 1; // 131071

inline constexpr float search_cooling = 0.97f; // T shrinks by this factor per level
inline constexpr float search_initial_temperature = 100.0f;
inline constexpr float search_final_temperature = 0.1f; // levels run while T is above it
