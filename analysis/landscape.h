#pragma once
// The objective over the program's grid: the 131072 points that 17 bits
// give on [-2, 2], and the local maxima of that landscape.

#include "coding.h"
#include "problem.h"

#include <cstdint>
#include <vector>

// --- The grid -------------------------------------------------------------

// The grid's best point: bits 01011111100010101, x = -0.507160, f = 1.501564.
inline constexpr std::int32_t grid_best_point = 48917;

// Sets bits, problem_grid.bits of them, to the code of grid point k, most
// significant first: k = 5 gives 00000000000000101.
void grid_bits_of(std::int32_t k, std::int32_t* bits);

// Returns x of grid point k (0 .. problem_grid.full_scale), narrowed to float as the
// program stores it: grid_x(0) = -2, grid_x(48917) = -0.507160.
float grid_x(std::int32_t k);

// Returns f at grid point k, narrowed to float as the program stores it.
float grid_objective(std::int32_t k);

// --- Local maxima ---------------------------------------------------------

struct grid_peak {
    std::int32_t k; // the middle of the peak's plateau of equal values
    float x;
    float value;
};

// Returns the local maxima of grid_objective, highest first. A run of equal
// neighbouring values counts as one peak. The first is the global maximum.
std::vector<grid_peak> grid_peaks();

// Returns, for each grid point k, the index in peaks of the peak whose basin
// holds k. Basins are split at the lowest point between neighbouring peaks.
// peaks must come from grid_peaks().
std::vector<std::int32_t> grid_basins(const std::vector<grid_peak>& peaks);

// --- Where a climber stops ------------------------------------------------

// Returns the one-flip peaks of code: the grid points from which no single
// flip of the vector that stands for them leads to a higher f, as the
// program stores it: where a hill-climber's best stops rising. (The search
// compares the new f as stored with the old at full precision, so on a
// plateau of equal stored values a climber may still move, never higher.)
// Highest first, then by k; x and value as grid_x and grid_objective give.
std::vector<grid_peak> one_flip_peaks(coding code);
