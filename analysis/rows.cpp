#include "rows.h"

#include <cstdio>

namespace {
constexpr std::size_t row_room = 300; // far more than a row of doubles and names takes

// The columns every row starts with: the method and its schedule.
int print_schedule(char* row, study_method method, const schedule& plan)
{
    char cooling[32];
    if (plan.shape == cooling_shape::geometric)
        std::snprintf(cooling, sizeof cooling, "%g", plan.cooling);
    else
        std::snprintf(cooling, sizeof cooling, "%s", shape_names[static_cast<int>(plan.shape)]);
    return std::snprintf(row, row_room, "%s\t%s\t%g\t%g\t%d\t%lld",
                         method_names[static_cast<int>(method)], cooling, plan.initial_temperature,
                         plan.final_temperature, plan.moves_per_level,
                         static_cast<long long>(examined_per_run(plan)));
}
} // namespace

std::string above_column(float target)
{
    char shown[32];
    std::snprintf(shown, sizeof shown, "%g", static_cast<double>(target));
    std::string name = "above_";
    for (const char* c = shown; *c != '\0'; ++c)
        name += *c == '.' ? '_' : (*c == '-' ? 'm' : *c);
    return name;
}

std::string study_header(const landscape& land)
{
    return "method\tcooling\tinitial\tfinal\tmoves\texamined\truns\t" + above_column(land.target) +
           "\treached_best\tmean_best";
}

std::string exact_header(const landscape& land)
{
    return "method\tcooling\tinitial\tfinal\tmoves\texamined\t" + above_column(land.target) +
           "\treached_best";
}

std::string study_row(study_method method, const schedule& plan, long runs,
                      const run_summary& summary)
{
    char row[row_room];
    const int start = print_schedule(row, method, plan);
    std::snprintf(row + start, row_room - static_cast<std::size_t>(start),
                  "\t%ld\t%.4f\t%.4f\t%.6f", runs, summary.above_threshold, summary.at_best_point,
                  summary.mean_best);
    return row;
}

std::string exact_row(study_method method, const schedule& plan, double above, double reached_best)
{
    char row[row_room];
    const int start = print_schedule(row, method, plan);
    std::snprintf(row + start, row_room - static_cast<std::size_t>(start), "\t%.9f\t%.9f", above,
                  reached_best);
    return row;
}

double x_of_state(const landscape& land, coding code, std::int32_t state)
{
    return static_cast<double>(grid_x(land, point_of(code, state)));
}

bool tally_move(level_tally& tally, const move_report& move)
{
    if (move.delta < 0) {
        ++tally.worse;
        tally.worse_taken += move.taken ? 1 : 0;
    }
    return ++tally.moves % tally.moves_per_level == 0;
}

std::string level_row(level_tally& tally, const move_report& move)
{
    char row[row_room];
    const int start = std::snprintf(
        row, row_room, "%d\t%d\t%.6g\t%.6f\t%.6f\t%.6f\t%.6f\t",
        tally.moves / tally.moves_per_level, tally.moves, move.temperature,
        x_of_state(*tally.land, tally.code, move.current_k),
        static_cast<double>(move.current_objective),
        x_of_state(*tally.land, tally.code, move.best_k), static_cast<double>(move.best_objective));
    if (tally.worse > 0)
        std::snprintf(row + start, row_room - static_cast<std::size_t>(start), "%.4f",
                      tally.worse_taken / static_cast<double>(tally.worse));
    else
        std::snprintf(row + start, row_room - static_cast<std::size_t>(start), "-");
    tally.worse = tally.worse_taken = 0;
    return row;
}

std::string time_to_target_row(const target_curves& curves, std::size_t level, int decimals)
{
    char row[row_room];
    int used = std::snprintf(row, row_room, "%zu\t%lld", level + 1,
                             static_cast<long long>(level + 1) * curves.moves_per_level);
    for (const std::vector<double>& curve : curves.reached)
        used += std::snprintf(row + used, row_room - static_cast<std::size_t>(used), "\t%.*f",
                              decimals, curve.at(level));
    return row;
}

std::string median_line(const target_curves& curves)
{
    char line[row_room];
    int used = std::snprintf(line, row_room, "# median solutions examined to reach above %g:",
                             static_cast<double>(curves.target));
    for (std::size_t m = 0; m < std::size(method_names); ++m) {
        const std::int64_t median = median_examined(curves.reached[m], curves.moves_per_level);
        const char* gap = m == 0 ? " " : ", ";
        used += median < 0 ? std::snprintf(line + used, row_room - static_cast<std::size_t>(used),
                                           "%s%s never", gap, method_names[m])
                           : std::snprintf(line + used, row_room - static_cast<std::size_t>(used),
                                           "%s%s %lld", gap, method_names[m],
                                           static_cast<long long>(median));
    }
    return line;
}
