#pragma once
// What sinc-study --exact prints: the exact figures of one method on one
// schedule, as a table, level by level, or as a map of where the search is,
// worked out on o.threads threads, with the levels done and the time left
// shown on standard error when it is a terminal.

#include "options.h"
#include "time_to_target.h"

// Prints the header and the row of o's method and schedule: the
// probabilities that the search reaches an objective above the target and
// that it reaches a best point, to 9 decimals; then, for anneal and climb,
// the probability that the walk ends in each peak's basin, as comments.
// Sampling has a formula: 1 - (1 - m / 131072)^n for n draws and m targets.
void print_exact_table(const study_options& o);

// Prints one row per level: T, the probabilities that the current solution
// is in the top peak's basin, that the search has reached above the target
// and a best point, and the total-variation distance to the Boltzmann
// distribution at that T.
void print_exact_trace(const study_options& o);

// Prints, for every level and every run of 512 neighbouring grid points, the
// probability that the current solution lies there and what the Boltzmann
// distribution at that level's T gives it.
void print_exact_map(const study_options& o);

// The decimals of the exact figures, and of the shares of runs.
inline constexpr int exact_decimals = 9;
inline constexpr int share_decimals = 4;

// Prints the time-to-target table of curves, each chance with decimals
// decimals, then the line of the medians.
void print_time_to_target(const target_curves& curves, int decimals);

// Prints the exact time-to-target table of o's schedule for every method:
// a row per level, the last holding each method's "reached above 1.5".
void print_exact_time_to_target(const study_options& o);
