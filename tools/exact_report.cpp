#include "exact_report.h"

#include "exact.h"
#include "landscape.h"
#include "progress.h"
#include "rows.h"
#include "time_to_target.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {
std::int32_t threads_of(const study_options& o)
{
    return static_cast<std::int32_t>(o.threads);
}

void print_basins(const landscape& land, const exact_result& result)
{
    const std::vector<grid_peak> peaks = grid_peaks(land);
    std::printf("# probability that the walk ends in the basin of each local maximum:\n");
    for (std::size_t j = 0; j < result.basins.size(); ++j)
        std::printf("#   x = %9.6f  f = %.6f  %.9f\n", static_cast<double>(peaks[j].x),
                    static_cast<double>(peaks[j].value), result.basins[j]);
}

struct exact_job;

// Prints the row of a level.
using row_printer = void (*)(const exact_level& level, const exact_job& job);

// What an exact job keeps from level to level.
struct exact_job {
    progress shown; // levels done, on a terminal
    const landscape* land;
    std::int32_t moves_per_level;
    std::vector<std::int32_t> basins; // of grid_peaks(), whose first is the top peak
    row_printer print_row;            // none when null
};

void print_trace_row(const exact_level& level, const exact_job& job)
{
    std::printf("%d\t%d\t%.6g\t%.9f\t%.9f\t%.9f\t%.9f\n", level.level + 1,
                (level.level + 1) * job.moves_per_level, level.temperature,
                basin_share(level.current, job.basins, 0), level.above, level.at_maximum,
                boltzmann_distance(level.current, level.objective, level.temperature));
}

void print_map_rows(const exact_level& level, const exact_job& job)
{
    const level_map map = map_of_level(level);
    for (std::size_t bar = 0; bar < map.current.size(); ++bar)
        std::printf("%d\t%.6g\t%.6f\t%.6e\t%.6e\n", level.level + 1, level.temperature,
                    static_cast<double>(bar_middle_x(*job.land, static_cast<std::int32_t>(bar))),
                    map.current[bar], map.boltzmann[bar]);
}

void after_level(const exact_level& level, void* context)
{
    auto& job = *static_cast<exact_job*>(context);
    if (job.print_row != nullptr) {
        clear_progress(job.shown);
        job.print_row(level, job);
    }
    tick(job.shown, job.moves_per_level);
}

// Starts the job of chains chains on o's schedule, with progress on a terminal.
exact_job start_job(const study_options& o, row_printer print_row, long chains)
{
    const std::int64_t examined = examined_per_run(o.plan);
    const long levels = static_cast<long>(examined / o.plan.moves_per_level);
    return {start_progress("sinc-study", levels * chains, examined * chains, "levels"), &o.land,
            o.plan.moves_per_level, grid_basins(o.land, grid_peaks(o.land)), print_row};
}

// Works out o's method on o's schedule, printing each level's row with
// print_row (if any), with progress on a terminal.
exact_result run_exact(const study_options& o, row_printer print_row)
{
    exact_job job = start_job(o, print_row, 1);
    exact_result result =
        exact_search(o.land, rule_of(o.method), o.code, o.plan, threads_of(o), after_level, &job);
    clear_progress(job.shown);
    return result;
}
} // namespace

void print_exact_table(const study_options& o)
{
    std::puts(exact_header(o.land).c_str());
    const bool sampling = o.method == study_method::sample;
    const exact_result result = sampling ? sampling_exact(o.land, o.plan) : run_exact(o, nullptr);
    std::puts(exact_row(o.method, o.plan, result.above, result.at_maximum).c_str());
    if (!sampling)
        print_basins(o.land, result);
}

void print_exact_trace(const study_options& o)
{
    std::printf("level\texamined\ttemperature\tin_top_basin\t%s\treached_best\ttv_boltzmann\n",
                above_column(o.land.target).c_str());
    run_exact(o, print_trace_row);
}

void print_exact_map(const study_options& o)
{
    std::puts("level\ttemperature\tx\tcurrent\tboltzmann");
    run_exact(o, print_map_rows);
}

void print_time_to_target(const target_curves& curves, int decimals)
{
    std::puts(time_to_target_header);
    for (std::size_t level = 0; level < curves.reached[0].size(); ++level)
        std::puts(time_to_target_row(curves, level, decimals).c_str());
    std::puts(median_line(curves).c_str());
}

void print_exact_time_to_target(const study_options& o)
{
    exact_job job = start_job(o, nullptr, 2); // anneal and climb; sampling is a formula
    const target_curves curves =
        exact_time_to_target(o.land, o.code, o.plan, threads_of(o), after_level, &job);
    clear_progress(job.shown);
    print_time_to_target(curves, exact_decimals);
}
