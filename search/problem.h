#pragma once
// The one problem the program solves, and the schedule its search runs with.
// The program holds each value as a float; the schedule's are widened to
// double when they are passed to the search.

#include "encoding.h"
#include "schedule.h"

#include <cstdint>

inline constexpr float problem_precision = 6e-5f; // gives 17 bits on [-2, 2]

// 17 bits on [-2, 2]: what bit_count_for makes of the precision, and the
// value of the all-ones vector. The program works both out at start-up, and
// a test holds them to these.
inline constexpr grid problem_grid{17, (1 << 17) - 1, -2.0f, 2.0f};

// T from 100 down to 0.1, shrinking by 0.97 a level, with a level of n / 2
// moves: 227 levels, 1816 moves.
inline constexpr schedule problem_schedule{0.97f, 100.0f, 0.1f, problem_grid.bits / 2};
