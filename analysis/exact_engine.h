#pragma once
// The exact engine's parts, which exact.cpp puts together: the set-up and
// the reports (exact_setup.cpp), the counts of each temperature
// (exact_counts.cpp) and the moves (exact_moves.cpp). Internal to the
// engine and its tests; the memory they share is in exact_layout.h.

#include "coding.h"
#include "exact_layout.h"

#include <cstdint>
#include <vector>

// --- Set-up and reports ---------------------------------------------------

// Returns the grid point that each state stands for in code: in binary,
// state k stands for point k.
std::vector<std::int32_t> points_of_states(coding code);

// Returns what stays fixed for a chain on land whose state s stands for grid
// point point_of_state[s] (every point once): f, the targets, the worse
// moves and the basins of land's peaks.
exact_grid make_grid(const landscape& land, std::vector<std::int32_t> point_of_state);

// Returns the uniform start; the targets' share of it counts as held.
exact_walk make_walk(const exact_grid& grid);

// Returns the report of now after level (from 0) at temperature, its arrays
// by grid point, valid until the next report.
exact_level level_report(const exact_grid& grid, exact_walk& walk, std::int32_t level,
                         double temperature);

// Returns the figures of now, after levels levels.
exact_result final_figures(const exact_grid& grid, exact_walk& walk, std::int32_t levels);

// --- Counts ---------------------------------------------------------------

// Returns how many draws s / 10000 (s < 10000) lie below exp(delta / T):
// those on which accepts_worse takes a move of delta <= 0.
float draws_taking(float delta, double temperature);

// Sets walk.worse_counts begin .. end - 1 for T, by draws_taking of their
// entry of worse for anneal, 0 for climb.
void count_worse_moves(const exact_grid& grid, exact_walk& walk, move_rule rule, double T,
                       std::size_t begin, std::size_t end);

// Sets the counts of the moves into the states begin .. end - 1 (whole
// quads), but for the stays, from walk.worse_counts.
void spread_counts(const exact_grid& grid, exact_walk& walk, std::int32_t begin, std::int32_t end);

// Sets the stays of the states begin .. end - 1, from the counts of the
// moves into their neighbours, which spread_counts must have set for all.
void count_stays(exact_walk& walk, std::int32_t begin, std::int32_t end);

// --- Moves ----------------------------------------------------------------

// Sets next of every chain at the quads begin .. end - 1 from now: one
// move. Built for wider vectors too, where the processor has them.
void move_quads(exact_walk& walk, std::size_t begin, std::size_t end);

// Moves the probability that reached each chain's targets in next out of
// the chain, into held.
void hold_targets(const exact_grid& grid, exact_walk& walk);
