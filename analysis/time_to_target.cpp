#include "time_to_target.h"

#include "landscape.h"

#include <algorithm>
#include <cmath>

double sampling_chance(double share, std::int64_t draws)
{
    const double miss = 1.0 - share;
    return 1.0 - std::pow(miss, static_cast<double>(draws));
}

double share_above_target(const landscape& land)
{
    return static_cast<double>(points_above(land, land.target)) / grid_points;
}

// Sampling's draws are uniform, so only how many points are above the
// target and how many are best points matters.
exact_result sampling_exact(const landscape& land, const schedule& plan)
{
    const std::int64_t draws = std::max<std::int64_t>(examined_per_run(plan), 0);
    const double best_share = static_cast<double>(best_points(land)) / grid_points;
    return {sampling_chance(share_above_target(land), draws),
            sampling_chance(best_share, draws),
            {},
            0};
}

std::vector<double> sampling_curve(const landscape& land, const schedule& plan)
{
    const double share = share_above_target(land);
    const std::int64_t levels = examined_per_run(plan) / plan.moves_per_level;
    std::vector<double> curve;
    for (std::int64_t level = 1; level <= levels; ++level)
        curve.push_back(sampling_chance(share, level * plan.moves_per_level));
    return curve;
}

void note_reached(const exact_level& level, void* curve)
{
    static_cast<std::vector<double>*>(curve)->push_back(level.above);
}

namespace {
// What exact_time_to_target hands each level to: its curve, then the caller.
struct curve_and_caller {
    std::vector<double>* curve;
    void (*on_level)(const exact_level& level, void* context);
    void* context;
};

void note_and_call(const exact_level& level, void* context)
{
    const auto& both = *static_cast<curve_and_caller*>(context);
    note_reached(level, both.curve);
    if (both.on_level != nullptr)
        both.on_level(level, both.context);
}
} // namespace

target_curves exact_time_to_target(const landscape& land, coding code, const schedule& plan,
                                   std::int32_t threads,
                                   void (*on_level)(const exact_level& level, void* context),
                                   void* context)
{
    target_curves curves{plan.moves_per_level, land.target, {}};
    for (const study_method method : {study_method::anneal, study_method::climb}) {
        curve_and_caller both{&curves.reached[static_cast<int>(method)], on_level, context};
        exact_search(land, rule_of(method), code, plan, threads, note_and_call, &both);
    }
    curves.reached[static_cast<int>(study_method::sample)] = sampling_curve(land, plan);
    return curves;
}

std::vector<double> runs_curve(const std::vector<run_outcome>& outcomes, const schedule& plan)
{
    const std::int64_t levels = examined_per_run(plan) / plan.moves_per_level;
    std::vector<double> curve(static_cast<std::size_t>(levels));
    if (outcomes.empty())
        return curve;
    std::vector<long> first_at(curve.size() + 1); // runs that first reached it in each level
    for (const run_outcome& run : outcomes)
        if (run.examined_to_target >= 0) {
            const std::int64_t level =
                std::max<std::int64_t>(run.examined_to_target - 1, 0) / plan.moves_per_level;
            ++first_at[static_cast<std::size_t>(level)];
        }
    long reached = 0;
    for (std::size_t level = 0; level < curve.size(); ++level) {
        reached += first_at[level];
        curve[level] = static_cast<double>(reached) / static_cast<double>(outcomes.size());
    }
    return curve;
}

std::int64_t median_examined(const std::vector<double>& curve, std::int32_t moves_per_level)
{
    for (std::size_t level = 0; level < curve.size(); ++level)
        if (curve[level] > 0.5)
            return static_cast<std::int64_t>(level + 1) * moves_per_level;
    return -1;
}
