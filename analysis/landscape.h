#pragma once
// A landscape: a function on the 131072 points that 17 bits give on an
// interval, and the local maxima of it. f comes from the caller, as a value
// at every grid point; nothing here knows which function it is.

#include "coding.h"
#include "encoding.h"

#include <cstdint>
#include <string>
#include <vector>

// --- The landscape --------------------------------------------------------

// The bits every landscape's grid has: 2^17 points.
inline constexpr std::int32_t landscape_bits = 17;

// f on a grid, the level that "reached above" counts, and the grid's best
// value. Every search stores f narrowed to float, so that is what the best
// value and the target are compared with.
struct landscape {
    grid g;                        // landscape_bits bits on [lower, upper]
    std::vector<double> objective; // f(x) at grid point k, not narrowed, k = 0 .. g.full_scale
    float target;                  // a run "reached above" it when its best stored f is above
    float highest;                 // the highest stored f: the best points are those that have it
};

// Returns true when a run whose best stored f is objective reached above
// land's target.
constexpr bool reaches_target(const landscape& land, float objective)
{
    return objective > land.target;
}

// Returns the grid of landscape_bits bits on [lower, upper] (lower < upper).
grid grid_on(float lower, float upper);

// Returns the landscape of f on g, f(x, context) called once a grid point at
// x as a search decodes it (narrowed to float), with target as given.
landscape landscape_of(const grid& g, double (*f)(float x, void* context), void* context,
                       float target);

// Returns x of grid point k (0 .. g.full_scale), narrowed to float as a
// search stores it: -2 and -0.507160 for k = 0 and 48917 on [-2, 2].
float grid_x(const landscape& land, std::int32_t k);

// Returns f at grid point k, narrowed to float as a search stores it.
float grid_objective(const landscape& land, std::int32_t k);

// Returns f at every vector, indexed by its integer value: f at the grid
// point it stands for in code. Runs and the exact engine read f there.
std::vector<double> objective_table(const landscape& land, coding code);

// Returns the grid points whose stored f is above level: how many a uniform
// draw can meet.
std::int32_t points_above(const landscape& land, float level);

// Returns the best points: how many grid points have the highest stored f.
std::int32_t best_points(const landscape& land);

// Sets bits, landscape_bits of them, to the code of grid point k, most
// significant first: k = 5 gives 00000000000000101.
void grid_bits_of(std::int32_t k, std::int32_t* bits);

// --- Local maxima ---------------------------------------------------------

struct grid_peak {
    std::int32_t k; // the middle of the peak's plateau of equal values
    float x;
    float value;
};

// Returns the local maxima of grid_objective, highest first. A run of equal
// neighbouring values counts as one peak. The first is a global maximum.
std::vector<grid_peak> grid_peaks(const landscape& land);

// Returns, for each grid point k, the index in peaks of the peak whose basin
// holds k. Basins are split at the lowest point between neighbouring peaks.
// peaks must come from grid_peaks(land).
std::vector<std::int32_t> grid_basins(const landscape& land, const std::vector<grid_peak>& peaks);

// --- Where a climber stops ------------------------------------------------

// Returns the one-flip peaks of code: the grid points from which no single
// flip of the vector that stands for them leads to a higher stored f: where
// a hill-climber's best stops rising. (The search compares the new f as
// stored with the old at full precision, so on a plateau of equal stored
// values a climber may still move, never higher.) Highest first, then by k.
std::vector<grid_peak> one_flip_peaks(const landscape& land, coding code);
