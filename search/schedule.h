#pragma once
// A cooling schedule and its temperature levels: the one place that says
// which temperatures a search runs at, for the search itself, the study of
// many searches and the exact engine alike.

#include <algorithm>
#include <cmath>
#include <cstdint>

// How T falls from the initial temperature T0 towards the final one Tf.
enum class cooling_shape {
    geometric,   // T multiplied by cooling after each level, while T > Tf
    linear,      // T_k = T0 - (T0 - Tf) k / (L - 1)
    logarithmic, // T_k = T0 / (1 + c ln(1 + k)), c = (T0 / Tf - 1) / ln(L)
    fast,        // T_k = T0 / (1 + c k), c = (T0 / Tf - 1) / (L - 1)
};

// The shapes' names, indexed by cooling_shape.
inline constexpr const char* shape_names[] = {"geometric", "linear", "logarithmic", "fast"};

// How T falls. A geometric plan runs levels while T > final_temperature, T
// starting at initial_temperature and multiplied by cooling (below 1) after
// each level. Any other shape runs exactly levels levels, k = 0 .. L - 1,
// from initial_temperature down to final_temperature, and ignores cooling.
struct schedule {
    double cooling;
    double initial_temperature;
    double final_temperature;
    std::int32_t moves_per_level;
    cooling_shape shape = cooling_shape::geometric;
    std::int32_t levels = 0; // L, for a shape other than geometric
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

// Returns true when plan, of a shape other than geometric, runs its levels:
// L of at least 2 and 0 < final_temperature < initial_temperature.
constexpr bool shaped_levels_run(const schedule& plan)
{
    return plan.levels >= 2 && plan.final_temperature > 0.0 &&
           plan.initial_temperature > plan.final_temperature;
}

// Returns the constant c of plan's logarithmic or fast shape (0 for
// linear), evaluated as written, one operation a statement.
inline double shape_constant(const schedule& plan)
{
    if (plan.shape == cooling_shape::linear)
        return 0.0;
    const double ratio = plan.initial_temperature / plan.final_temperature;
    const double above_one = ratio - 1.0;
    const double last = static_cast<double>(plan.levels - 1);
    const double spread = plan.shape == cooling_shape::logarithmic
                              ? std::log(static_cast<double>(plan.levels))
                              : last;
    return above_one / spread;
}

// Returns T_k of plan's shape (not geometric) at level k, with c from
// shape_constant, evaluated as written, left to right.
inline double shaped_temperature(const schedule& plan, double c, std::int64_t k)
{
    const auto level = static_cast<double>(k);
    const double t0 = plan.initial_temperature;
    if (plan.shape == cooling_shape::linear) {
        const double span = t0 - plan.final_temperature;
        const double fallen = span * level;
        const double step = fallen / static_cast<double>(plan.levels - 1);
        return t0 - step;
    }
    const double x = plan.shape == cooling_shape::logarithmic ? std::log(1.0 + level) : level;
    const double grown = c * x;
    const double divisor = 1.0 + grown;
    return t0 / divisor;
}

// Calls visit(level, temperature) for every level of plan, in order, from
// level 0 at initial_temperature; stops early when visit returns false.
// Returns the levels visited. A plan whose initial temperature is not above
// the final one has none, nor has a shaped one that shaped_levels_run
// refuses. Example: the program's schedule visits 227 levels, from T = 100
// down to T ~ 0.10243.
template <typename Visit>
std::int64_t for_each_level(const schedule& plan, Visit&& visit)
{
    // One loop and one call of visit for every shape, so that visit is
    // inlined as it was for the geometric one alone (T_0 is T0 in each).
    const bool shaped = plan.shape != cooling_shape::geometric;
    if (shaped && !shaped_levels_run(plan))
        return 0;
    const double c = shaped ? shape_constant(plan) : 0.0;
    std::int64_t level = 0;
    for (double t = plan.initial_temperature; shaped ? level < plan.levels : level_runs(plan, t);) {
        if (!visit(level, t))
            return level;
        ++level;
        t = shaped ? shaped_temperature(plan, c, level) : next_temperature(plan, t);
    }
    return level;
}

// Returns the levels of plan, counting no further than most + 1: a count
// above most means "more than most", as for a plan that never ends.
inline std::int64_t level_count(const schedule& plan, std::int64_t most)
{
    if (plan.shape != cooling_shape::geometric)
        return shaped_levels_run(plan) ? std::min<std::int64_t>(plan.levels, most + 1) : 0;
    return for_each_level(plan, [most](std::int64_t level, double) { return level <= most; });
}
