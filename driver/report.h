#pragma once
// Option 2 of the menu: one search from the program's solution, and the
// report it prints in Portuguese.

#include "anneal.h"

#include <cstdint>
#include <cstdio>

// Prints to out the starting line of a search that began with
// start_objective, then the report of what it found. The label "valor de
// fo" stands before the starting x, not an objective: the program has
// always printed it so.
void print_search_report(std::FILE* out, float start_objective, const search_result& found);

// Runs one annealing search from bits (n bits decoded with full_scale,
// lower and upper) and prints its report on standard output. On return,
// bits and *current_objective hold the best solution met and its objective.
void anneal(std::int32_t n, std::int32_t full_scale, std::int32_t* bits, float* current_objective,
            double cooling, double initial_temperature, double final_temperature,
            std::int32_t moves_per_level, float lower, float upper);
