// Many searches: the runs of sinc-study for a method, a schedule and seeds,
// a share at a time so that the page can show progress and stop between
// shares, the best objective and grid point of every run, and the row of
// sinc-study's table that they make.

#include "coding.h"
#include "columns.h"
#include "page_landscape.h"
#include "rows.h"
#include "study.h"

#include <emscripten/bind.h>

using emscripten::val;

namespace {
// Runs runs runs of method in code on plan on the landscape that described
// stands for, run i from seed first_seed + i, as sinc-study does on any
// number of threads. Returns {best, k}, every run's best objective (a
// Float32Array) and grid point (an Int32Array), or null (running nothing)
// when the plan makes no solution or too many, or described is no landscape.
val many_runs(study_method method, coding code, std::uint32_t first_seed, double runs,
              const schedule& plan, const val& described)
{
    landscape land;
    if (examined_per_run(plan) <= 0 || runs < 1 || !landscape_of_description(described, &land))
        return val::null();
    const std::vector<double> table = objective_table(land, code);
    const run_setup setup{method, plan, nullptr, nullptr, &land, table.data(), code};
    std::vector<float> best;
    std::vector<std::int32_t> points;
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(runs); ++i) {
        const run_outcome outcome = run_once(setup, first_seed + i);
        best.push_back(outcome.best_objective);
        points.push_back(outcome.k);
    }
    val outcomes = val::object();
    outcomes.set("best", typed_copy(best));
    outcomes.set("k", typed_copy(points));
    return outcomes;
}

// sinc-study's row for runs, {best, k} as many_runs gives them (the shorter
// array counts), on the landscape that described stands for, without a
// newline; "" when described is no landscape.
std::string many_row(study_method method, const schedule& plan, const val& described,
                     const val& runs)
{
    landscape land;
    if (!landscape_of_description(described, &land))
        return "";
    const std::vector<float> bests = emscripten::convertJSArrayToNumberVector<float>(runs["best"]);
    const std::vector<std::int32_t> points =
        emscripten::convertJSArrayToNumberVector<std::int32_t>(runs["k"]);
    std::vector<run_outcome> outcomes;
    for (std::size_t i = 0; i < bests.size() && i < points.size(); ++i)
        outcomes.push_back({points[i], bests[i]});
    return study_row(method, plan, static_cast<long>(outcomes.size()), summarize(outcomes, land));
}
} // namespace

EMSCRIPTEN_BINDINGS(runs)
{
    emscripten::function("manyRuns", &many_runs);
    emscripten::function("manyRow", &many_row);
}
