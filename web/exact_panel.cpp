// The exact answer: the probabilities of sinc-study --exact for a method and
// a schedule, level by level with the map of where the search is beside the
// Boltzmann distribution, and the row of the tool's table at the end.

#include "coding.h"
#include "columns.h"
#include "exact.h"
#include "landscape.h"
#include "levels.h"
#include "page_limits.h"
#include "rows.h"
#include "shown_landscape.h"
#include "study.h"
#include "time_to_target.h"

#include <emscripten/bind.h>
#include <vector>

using emscripten::val;

namespace {
// What the levels need: the plan's level count, the top peak's basin and
// the page's callback.
struct panel {
    std::int32_t levels;
    std::vector<std::int32_t> basins;
    val on_level;
};

void report_level(const exact_level& level, void* context)
{
    const panel& shown = *static_cast<const panel*>(context);
    const level_map map = map_of_level(level);
    val report = val::object();
    report.set("level", static_cast<double>(level_number(level.level)));
    report.set("levels", shown.levels);
    report.set("temperature", level.temperature);
    report.set("inTopBasin", basin_share(level.current, shown.basins, 0));
    report.set("above", level.above);
    report.set("atMaximum", level.at_maximum);
    report.set("distance", map.distance);
    report.set("current", typed_copy(map.current));
    report.set("boltzmann", typed_copy(map.boltzmann));
    shown.on_level(report);
}

// Works out the exact figures of method (anneal or climb) in code on plan,
// one thread, calling on_level({level, levels, temperature, inTopBasin,
// above, atMaximum, distance, current, boltzmann}) at every level. Returns
// sinc-study --exact's row, with its nine decimals, or null when the plan
// makes no move or more than most_exact_moves, or method is sample.
val exact_answer(study_method method, coding code, const schedule& plan, const val& on_level)
{
    const std::int64_t examined = examined_per_run(plan);
    if (examined <= 0 || examined > most_exact_moves || method == study_method::sample)
        return val::null();
    const landscape& land = shown_landscape();
    panel shown{static_cast<std::int32_t>(examined / plan.moves_per_level),
                grid_basins(land, grid_peaks(land)), on_level};
    const exact_result result =
        exact_search(land, rule_of(method), code, plan, 1, report_level, &shown);
    return val(exact_row(method, plan, result.above, result.at_maximum));
}

// The row of the tool's table for the probabilities of a level as on_level
// reported it ({above, atMaximum, ...}): the row of a job stopped there.
std::string exact_partial_row(study_method method, const schedule& plan, const val& level)
{
    return exact_row(method, plan, level["above"].as<double>(), level["atMaximum"].as<double>());
}

// sinc-study --exact's row for sampling on plan, from its formula (no
// engine runs), or null when the plan examines no solution or never ends.
val sampling_row(const schedule& plan)
{
    if (examined_per_run(plan) <= 0)
        return val::null();
    const exact_result result = sampling_exact(shown_landscape(), plan);
    return val(exact_row(study_method::sample, plan, result.above, result.at_maximum));
}

// The x at the middle of the map's bar number bar, where the page draws it.
double map_bar_x(std::int32_t bar)
{
    return bar_middle_x(shown_landscape(), bar);
}
} // namespace

EMSCRIPTEN_BINDINGS(exact_panel)
{
    emscripten::function("exactAnswer", &exact_answer);
    emscripten::function("exactRow", &exact_partial_row);
    emscripten::function("mapBarX", &map_bar_x);
    emscripten::function("samplingRow", &sampling_row);
}
