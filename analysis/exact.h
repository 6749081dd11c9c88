#pragma once
// The search as a Markov chain on the 131072 vectors of 17 bits: the
// probability of every current solution, carried forward move by move from
// the uniform start, with the draws of the search counted exactly instead of
// sampled. A state is a vector's integer value; in Gray code it stands for
// another grid point than its value (see coding.h), and only f changes.
// Whatever the coding, every figure comes back by grid point.

#include "anneal.h"
#include "coding.h"
#include "landscape.h"
#include "schedule.h"

#include <cstdint>
#include <vector>

inline constexpr std::int32_t grid_points = std::int32_t{1} << landscape_bits;

// The chain after one level. Each array holds grid_points values, by grid point k.
struct exact_level {
    std::int32_t level; // 0 for the first
    double temperature;
    const double* current;          // P(the current solution is k)
    const double* never_above;      // P(it is k and no point above the target was visited yet)
    const double* never_at_maximum; // P(it is k and no best point was visited yet)
    double above;            // P(a point above the target was visited), 1 - sum of never_above
    double at_maximum;       // P(a best point was visited), 1 - sum of never_at_maximum
    const double* objective; // f(k), not narrowed
};

struct exact_result {
    double above;      // P(the search reaches an objective above the target)
    double at_maximum; // P(it reaches a point of the grid's highest float f)
    std::vector<double>
        basins; // P(the last current solution is in peak j's basin), j as in grid_peaks(land)
    std::int32_t levels; // the levels the schedule ran
};

// Carries the distribution of rule's search on land in code on plan from
// the uniform start through every move and returns the figures of its end;
// calls on_level with context after each level, unless it is null. threads
// (at least 1) share each move, and the figures do not depend on their
// number. A plan that runs no level gives the start's figures;
// moves_per_level must be at least 0.
exact_result exact_search(const landscape& land, move_rule rule, coding code, const schedule& plan,
                          std::int32_t threads,
                          void (*on_level)(const exact_level& level, void* context), void* context);

// --- Figures of a distribution (exact_figures.cpp) ------------------------

// Returns the probability that current (grid_points values) puts on the
// basin of peak (basins from grid_basins); 0 for a peak that owns no point.
double basin_share(const double* current, const std::vector<std::int32_t>& basins,
                   std::int32_t peak);

// Returns the sums of p (grid_points values, by grid point) over runs of
// width neighbouring points, the run of point k at k / width: a map of p
// along the grid. width divides grid_points.
std::vector<double> binned(const double* p, std::int32_t width);

// Grid points per bar of a level's map: 256 bars over the grid.
inline constexpr std::int32_t map_bar_points = 512;

// A level's map, by bars of map_bar_points neighbouring grid points: where
// the search is, and the Boltzmann distribution at the level's temperature;
// and the distance between the two over every grid point.
struct level_map {
    std::vector<double> current;
    std::vector<double> boltzmann;
    double distance; // as boltzmann_distance gives it
};

// Returns the map of level, as sinc-study --exact --map prints it.
level_map map_of_level(const exact_level& level);

// Returns x of the middle grid point of bar of a level's map on land; bar 0
// is at x = -1.992187 on [-2, 2].
float bar_middle_x(const landscape& land, std::int32_t bar);

// Returns the Boltzmann distribution at temperature over the grid, which is
// proportional to exp(objective / temperature). temperature > 0.
std::vector<double> boltzmann_distribution(const double* objective, double temperature);

// Returns the total-variation distance between current and the Boltzmann
// distribution at temperature, which is proportional to
// exp(objective / temperature) (both arrays of grid_points values). temperature > 0.
double boltzmann_distance(const double* current, const double* objective, double temperature);
