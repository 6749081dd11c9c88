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
#include "time_to_target.h"

#include <emscripten/bind.h>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

using emscripten::val;

namespace {
constexpr int exact_decimals = 9; // as sinc-study --exact prints its chances

// What the levels need: the plan's level count, the top peak's basin, the
// page's callback, and the chance of having reached the target by each level.
struct panel {
    std::int32_t levels;
    std::vector<std::int32_t> basins;
    val on_level;
    std::vector<double> reached;
};

void report_level(const exact_level& level, void* context)
{
    panel& shown = *static_cast<panel*>(context);
    shown.reached.push_back(level.above);
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

// The time to target of the three methods, method's curve reached and the
// other moving method's worked out here, sampling's by its formula:
// {rows, median, examined, anneal, climb, sample}, the rows and the median
// line of sinc-study --exact --time-to-target, and each curve a Float64Array;
// and in *beside the other method's row of sinc-study --exact.
val time_to_target(const landscape& land, study_method method, coding code, const schedule& plan,
                   std::vector<double> reached, std::string* beside)
{
    target_curves curves{plan.moves_per_level, land.target, {}};
    const auto other = method == study_method::anneal ? study_method::climb : study_method::anneal;
    curves.reached[static_cast<int>(method)] = std::move(reached);
    const exact_result other_result =
        exact_search(land, rule_of(other), code, plan, 1, note_reached,
                     &curves.reached[static_cast<int>(other)]);
    *beside = exact_row(other, plan, other_result.above, other_result.at_maximum);
    curves.reached[static_cast<int>(study_method::sample)] = sampling_curve(land, plan);
    std::string rows;
    std::vector<double> examined;
    for (std::size_t level = 0; level < curves.reached[0].size(); ++level) {
        rows += time_to_target_row(curves, level, exact_decimals) + "\n";
        examined.push_back(static_cast<double>(level + 1) * plan.moves_per_level);
    }
    val answer = val::object();
    answer.set("rows", val(rows));
    answer.set("median", val(median_line(curves)));
    answer.set("examined", typed_copy(examined));
    for (std::size_t m = 0; m < std::size(method_names); ++m)
        answer.set(method_names[m], typed_copy(curves.reached[m]));
    return answer;
}

// Works out the exact figures of method (anneal or climb) in code on plan
// on the landscape that described stands for, one thread, calling
// on_level({level, levels, temperature, inTopBasin, above, atMaximum,
// distance, current, boltzmann}) at every level, and then the other moving
// method's. Returns {row, besideRow, curves}: sinc-study --exact's rows of
// method and of the other, with their nine decimals, and the time to target
// (see time_to_target); or null when the
// plan makes no move or more than most_exact_moves, method is sample, or
// described is no landscape.
val exact_answer(study_method method, coding code, const schedule& plan, const val& described,
                 const val& on_level)
{
    const std::int64_t examined = examined_per_run(plan);
    landscape land;
    if (examined <= 0 || examined > most_exact_moves || method == study_method::sample ||
        !landscape_of_description(described, &land))
        return val::null();
    panel shown{static_cast<std::int32_t>(examined / plan.moves_per_level),
                grid_basins(land, grid_peaks(land)),
                on_level,
                {}};
    const exact_result result =
        exact_search(land, rule_of(method), code, plan, 1, report_level, &shown);
    val answer = val::object();
    answer.set("row", val(exact_row(method, plan, result.above, result.at_maximum)));
    std::string beside;
    answer.set("curves",
               time_to_target(land, method, code, plan, std::move(shown.reached), &beside));
    answer.set("besideRow", val(beside));
    return answer;
}

// The row of the tool's table for the probabilities of a level as on_level
// reported it ({above, atMaximum, ...}): the row of a job stopped there.
std::string exact_partial_row(study_method method, const schedule& plan, const val& level)
{
    return exact_row(method, plan, level["above"].as<double>(), level["atMaximum"].as<double>());
}

// sinc-study --exact's row for sampling on plan on the landscape that
// described stands for, from its formula (no engine runs), or null when the
// plan examines no solution or described is no landscape.
val sampling_row(const schedule& plan, const val& described)
{
    landscape land;
    if (examined_per_run(plan) <= 0 || !landscape_of_description(described, &land))
        return val::null();
    const exact_result result = sampling_exact(land, plan);
    return val(exact_row(study_method::sample, plan, result.above, result.at_maximum));
}
} // namespace

EMSCRIPTEN_BINDINGS(exact_panel)
{
    emscripten::function("exactAnswer", &exact_answer);
    emscripten::function("exactRow", &exact_partial_row);
    emscripten::function("samplingRow", &sampling_row);
}
