#pragma once
// A cooling schedule and its temperature levels: the one place that says
// which temperatures a search runs at, for the search itself, the study of
// many searches and the exact engine alike.

#include <cstdint>

// How T falls: levels run while T > final_temperature, T starting at
// initial_temperature and multiplied by cooling (below 1) after each level.
struct schedule {
    double cooling;
    double initial_temperature;
    double final_temperature;
    std::int32_t moves_per_level;
};

// Returns true when a level runs at temperature (compared in double).
constexpr bool level_runs(const schedule& plan, double temperature)
{
    return temperature > plan.final_temperature;
}

// Returns the temperature of the level after one at temperature.
constexpr double next_temperature(const schedule& plan, double temperature)
{
    return plan.cooling * temperature;
}

// Calls visit(level, temperature) for every level of plan, in order, from
// level 0 at initial_temperature; stops early when visit returns false.
// Returns the levels visited. A plan whose initial temperature is not above
// the final one has none. Example: the program's schedule visits 227
// levels, from T = 100 down to T ~ 0.10243.
template <typename Visit>
constexpr std::int64_t for_each_level(const schedule& plan, Visit&& visit)
{
    std::int64_t level = 0;
    for (double t = plan.initial_temperature; level_runs(plan, t); t = next_temperature(plan, t)) {
        if (!visit(level, t))
            return level;
        ++level;
    }
    return level;
}

// Returns the levels of plan, counting no further than most + 1: a count
// above most means "more than most", as for a plan that never ends.
constexpr std::int64_t level_count(const schedule& plan, std::int64_t most)
{
    return for_each_level(plan, [most](std::int64_t level, double) { return level <= most; });
}
