#pragma once
// The one problem the program solves, and the schedule its search runs with.
// Every value is a float, as the program holds it; the schedule is widened
// to double when it is passed to the search.

inline constexpr float problem_lower = -2.0f;
inline constexpr float problem_upper = 2.0f;
inline constexpr float problem_precision = 6e-5f; // gives 17 bits on [-2, 2]

inline constexpr float search_cooling = 0.97f; // T shrinks by this factor per level
inline constexpr float search_initial_temperature = 100.0f;
inline constexpr float search_final_temperature = 0.1f; // levels run while T is above it
