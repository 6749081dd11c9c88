#pragma once
// Time to target: the probability that a method has reached an objective
// above the landscape's target within the solutions examined by the end of each
// level, exactly (the engine for anneal and climb, a formula for sample) or
// as the share of seeded runs that had.

#include "coding.h"
#include "exact.h"
#include "study.h"

#include <cstdint>
#include <iterator>
#include <vector>

// Each method's chance of having reached the target by the end of each
// level, by study_method, every curve a value a level.
struct target_curves {
    std::int32_t moves_per_level;
    float target; // the level that "reached above" counts
    std::vector<double> reached[std::size(method_names)];
};

// Returns the chance that draws independent uniform draws over the grid
// meet one of the points that hold share of it: 1 - (1 - share)^draws, the
// share of m points m / 131072.
double sampling_chance(double share, std::int64_t draws);

// Returns the share of land's grid whose stored f is above its target:
// 471 / 131072 for the program's function.
double share_above_target(const landscape& land);

// Returns sampling's exact figures on land for plan: the chances that as
// many uniform draws as a run of plan examines meet a point above the
// target, and a best point (no basins, no levels). A plan that examines none gives 0.
exact_result sampling_exact(const landscape& land, const schedule& plan);

// Returns sampling's exact curve on land and plan: level l ends after
// (l + 1) * moves_per_level draws, the start among them.
std::vector<double> sampling_curve(const landscape& land, const schedule& plan);

// An exact_search callback: appends level.above to the std::vector<double>
// that curve points to.
void note_reached(const exact_level& level, void* curve);

// Returns the exact curves of the three methods on land and plan in code, the engine
// on threads threads for anneal and climb, calling on_level with context
// after each level of each (none when null).
target_curves exact_time_to_target(const landscape& land, coding code, const schedule& plan,
                                   std::int32_t threads,
                                   void (*on_level)(const exact_level& level, void* context),
                                   void* context);

// Returns the share of outcomes (from runs of plan whose setup asked for
// find_time_to_target) that had reached the target by the end of each level.
std::vector<double> runs_curve(const std::vector<run_outcome>& outcomes, const schedule& plan);

// Returns the solutions examined by the end of the first level at which
// curve passes one half, the median time to target at the level's grain;
// -1 when it never does.
std::int64_t median_examined(const std::vector<double>& curve, std::int32_t moves_per_level);
