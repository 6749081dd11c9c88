#include "exact_report.h"

#include "exact.h"
#include "landscape.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {
constexpr std::int32_t map_bin = 512; // grid points per bin of the map: 256 bins

std::int32_t threads_of(const study_options& o)
{
    return static_cast<std::int32_t>(o.threads);
}

move_rule rule_of(study_method method)
{
    return method == study_method::climb ? move_rule::climb : move_rule::anneal;
}

// The probability that draws independent uniform draws meet one of the
// grid's points that a share of the grid holds.
double chance_of_meeting(double share, std::int64_t draws)
{
    const double miss = 1.0 - share;
    return 1.0 - std::pow(miss, static_cast<double>(draws));
}

// Sampling's figures: its draws are uniform, so only how many points are
// above 1.5 (and that the best point is one point) matters.
exact_result sampling_result(const schedule& plan)
{
    std::int64_t above = 0;
    for (std::int32_t k = 0; k < grid_points; ++k)
        above += grid_objective(k) > success_threshold ? 1 : 0;
    const std::int64_t draws = examined_per_run(plan);
    const double above_share = static_cast<double>(above) / grid_points;
    return {
        chance_of_meeting(above_share, draws), chance_of_meeting(1.0 / grid_points, draws), {}, 0};
}

void print_basins(const exact_result& result)
{
    const std::vector<grid_peak> peaks = grid_peaks();
    std::printf("# probability that the walk ends in the basin of each local maximum:\n");
    for (std::size_t j = 0; j < result.basins.size(); ++j)
        std::printf("#   x = %9.6f  f = %.6f  %.9f\n", static_cast<double>(peaks[j].x),
                    static_cast<double>(peaks[j].value), result.basins[j]);
}

// What a trace keeps from level to level.
struct trace_context {
    std::int32_t moves_per_level;
    std::vector<std::int32_t> basins; // of grid_peaks(), whose first is the top peak
};

void print_trace_row(const exact_level& level, void* context)
{
    const auto& trace = *static_cast<const trace_context*>(context);
    std::printf("%d\t%d\t%.6g\t%.9f\t%.9f\t%.9f\t%.9f\n", level.level + 1,
                (level.level + 1) * trace.moves_per_level, level.temperature,
                basin_share(level.current, trace.basins, 0), level.above, level.at_maximum,
                boltzmann_distance(level.current, level.objective, level.temperature));
}

// context: the coding of the chain's states.
void print_map_rows(const exact_level& level, void* context)
{
    const coding code = *static_cast<const coding*>(context);
    const std::vector<double> current = summed_by_point(level.current, code, map_bin);
    const std::vector<double> boltzmann = summed_by_point(
        boltzmann_distribution(level.objective, level.temperature).data(), code, map_bin);
    for (std::size_t bin = 0; bin < current.size(); ++bin) {
        const auto middle = static_cast<std::int32_t>(bin) * map_bin + map_bin / 2;
        std::printf("%d\t%.6g\t%.6f\t%.6e\t%.6e\n", level.level + 1, level.temperature,
                    static_cast<double>(grid_x(middle)), current[bin], boltzmann[bin]);
    }
}
} // namespace

void print_exact_table(const study_options& o)
{
    std::puts("method\tcooling\tinitial\tfinal\tmoves\texamined\tabove_1_5\treached_best");
    const bool sampling = o.method == study_method::sample;
    const exact_result result =
        sampling ? sampling_result(o.plan)
                 : exact_search(rule_of(o.method), o.code, o.plan, threads_of(o), nullptr, nullptr);
    std::printf("%s\t%g\t%g\t%g\t%d\t%lld\t%.9f\t%.9f\n", method_names[static_cast<int>(o.method)],
                o.plan.cooling, o.plan.initial_temperature, o.plan.final_temperature,
                o.plan.moves_per_level, static_cast<long long>(examined_per_run(o.plan)),
                result.above, result.at_maximum);
    if (!sampling)
        print_basins(result);
}

void print_exact_trace(const study_options& o)
{
    std::puts("level\texamined\ttemperature\tin_top_basin\tabove_1_5\treached_best\ttv_boltzmann");
    trace_context trace{o.plan.moves_per_level, by_state(o.code, grid_basins(grid_peaks()))};
    exact_search(rule_of(o.method), o.code, o.plan, threads_of(o), print_trace_row, &trace);
}

void print_exact_map(const study_options& o)
{
    std::puts("level\ttemperature\tx\tcurrent\tboltzmann");
    coding code = o.code;
    exact_search(rule_of(o.method), o.code, o.plan, threads_of(o), print_map_rows, &code);
}
