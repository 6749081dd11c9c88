// What the exact engine's users read off a distribution over the grid: the
// share of a basin, a map by runs of points, and the Boltzmann distribution
// with the distance to it. Nothing here runs the engine.

#include "exact.h"

#include <algorithm>
#include <cmath>

double basin_share(const double* current, const std::vector<std::int32_t>& basins,
                   std::int32_t peak)
{
    double share = 0.0;
    for (std::size_t k = 0; k < basins.size(); ++k)
        if (basins[k] == peak)
            share += current[k];
    return share;
}

std::vector<double> binned(const double* p, std::int32_t width)
{
    std::vector<double> bins(static_cast<std::size_t>(grid_points / width));
    for (std::int32_t k = 0; k < grid_points; ++k)
        bins[static_cast<std::size_t>(k / width)] += p[k];
    return bins;
}

std::vector<double> boltzmann_distribution(const double* objective, double temperature)
{
    const double highest = *std::max_element(objective, objective + grid_points);
    std::vector<double> weights(grid_points);
    double total = 0.0;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        const double below = objective[k] - highest;
        weights[k] = std::exp(below / temperature);
        total += weights[k];
    }
    for (double& weight : weights)
        weight /= total;
    return weights;
}

namespace {
// The total-variation distance between current and boltzmann.
double distance_to(const double* current, const std::vector<double>& boltzmann)
{
    double distance = 0.0;
    for (std::size_t k = 0; k < boltzmann.size(); ++k)
        distance += std::abs(current[k] - boltzmann[k]);
    return distance / 2.0;
}
} // namespace

// The order of the two arrays is that of exact.h, which callers rely on.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
double boltzmann_distance(const double* current, const double* objective, double temperature)
{
    return distance_to(current, boltzmann_distribution(objective, temperature));
}

// One Boltzmann distribution for the map and the distance: its exp of
// every grid point is most of a level's report.
level_map map_of_level(const exact_level& level)
{
    const std::vector<double> boltzmann =
        boltzmann_distribution(level.objective, level.temperature);
    return {binned(level.current, map_bar_points), binned(boltzmann.data(), map_bar_points),
            distance_to(level.current, boltzmann)};
}

float bar_middle_x(const landscape& land, std::int32_t bar)
{
    return grid_x(land, bar * map_bar_points + map_bar_points / 2);
}
