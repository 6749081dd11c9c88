// The exact answer: the probabilities of sinc-study --exact for a method and
// a schedule, level by level with the map of where the search is beside the
// Boltzmann distribution, and the row of the tool's table at the end.

#include "coding.h"
#include "columns.h"
#include "exact.h"
#include "landscape.h"
#include "levels.h"
#include "page_landscape.h"
#include "page_limits.h"
#include "rows.h"
#include "study.h"

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

// Works out the exact figures of method (anneal or climb) in code on plan
// on the landscape that described stands for, one thread, calling
// on_level({level, levels, temperature, inTopBasin, above, atMaximum,
// distance, current, boltzmann}) at every level. Returns sinc-study
// --exact's row, with its nine decimals, or null when the plan makes no
// move or more than most_exact_moves, method is sample, or described is
// no landscape.
val exact_answer(study_method method, coding code, const schedule& plan, const val& described,
                 const val& on_level)
{
    const std::int64_t examined = examined_per_run(plan);
    landscape land;
    if (examined <= 0 || examined > most_exact_moves || method == study_method::sample ||
        !landscape_of_description(described, &land))
        return val::null();
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

} // namespace

EMSCRIPTEN_BINDINGS(exact_panel)
{
    emscripten::function("exactAnswer", &exact_answer);
    emscripten::function("exactRow", &exact_partial_row);
}
