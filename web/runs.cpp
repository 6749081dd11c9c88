// Many searches: the runs of sinc-study for a method, a schedule and seeds,
// with progress on the way, the best objective of every run, and the row of
// sinc-study's table that they make.

#include "coding.h"
#include "rows.h"
#include "study.h"

#include <algorithm>
#include <emscripten.h>
#include <vector>

namespace {
constexpr long runs_between_reports = 250;

EM_JS(void, page_progress, (int done), { Module.on_progress(done); });
EM_JS(void, page_outcomes, (const float* best, int runs),
      { Module.on_outcomes(HEAPF32.slice(best >> 2, (best >> 2) + runs)); });
EM_JS(void, page_study_row, (const char* header, const char* row),
      { Module.on_row(UTF8ToString(header), UTF8ToString(row)); });

// sinc-study's row for outcomes of method on plan.
void report_row(study_method method, const schedule& plan, const std::vector<run_outcome>& outcomes)
{
    const auto runs = static_cast<long>(outcomes.size());
    page_study_row(study_header, study_row(method, plan, runs, summarize(outcomes)).c_str());
}
} // namespace

// Runs runs runs of method (0 anneal, 1 climb, 2 sample) in code (0 binary,
// 1 Gray) on the schedule,
// run i from seed first_seed + i, as sinc-study does on any number of
// threads; reports progress, then every run's best objective and the row.
// Returns the solutions each run examines, or -1 (and runs nothing) when the
// schedule makes none or too many.
extern "C" EMSCRIPTEN_KEEPALIVE int many_runs(int method, int code, std::uint32_t first_seed,
                                              long runs, double cooling, double initial,
                                              double final, int moves)
{
    const schedule plan{cooling, initial, final, moves};
    const std::int64_t examined = examined_per_run(plan);
    if (examined <= 0 || runs < 1 || method < 0 || method > 2 || code < 0 || code > 1)
        return -1;
    const auto coded = static_cast<coding>(code);
    const std::vector<double> table = problem_objective_table(coded);
    const run_setup setup{
        static_cast<study_method>(method), plan, nullptr, nullptr, table.data(), coded};
    std::vector<run_outcome> outcomes;
    std::vector<float> best;
    for (long i = 0; i < runs; ++i) {
        outcomes.push_back(run_once(setup, first_seed + static_cast<std::uint32_t>(i)));
        best.push_back(outcomes.back().best_objective);
        if ((i + 1) % runs_between_reports == 0)
            page_progress(static_cast<int>(i + 1));
    }
    page_outcomes(best.data(), static_cast<int>(runs));
    report_row(setup.method, plan, outcomes);
    return static_cast<int>(examined);
}
