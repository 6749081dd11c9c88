// sinc-study: is annealing worth it here, and which schedule does better?
// Runs the program's search, a hill-climber and random sampling from random
// starts on any schedule, and prints what they reach as a tab-separated
// table; or traces one search level by level, or move by move. The bits
// stand for grid points in binary, as in the program, or in Gray code.

#include "exact_report.h"
#include "landscape.h"
#include "options.h"
#include "output.h"
#include "progress.h"
#include "rows.h"
#include "study.h"
#include "time_to_target.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {
// Runs o.runs runs of method on plan, looking f up in table, and prints
// their row of the table on a clean line.
void print_row(const study_options& o, study_method method, const schedule& plan,
               const std::vector<double>& table, progress& shown)
{
    const run_setup setup{method, plan, nullptr, nullptr, &o.land, table.data(), o.code};
    const run_summary summary =
        summarize(run_many(setup, o.seed, o.runs, o.threads, {tick_progress, &shown}), o.land);
    clear_progress(shown);
    std::puts(study_row(method, plan, o.runs, summary).c_str());
}

// The table: the row of o's method and schedule, or the sweep's rows of
// every method or of o's.
void print_table(const study_options& o)
{
    std::puts(study_header(o.land).c_str());
    const std::vector<schedule> plans =
        o.sweep ? sweep_schedules(o.plan.initial_temperature) : std::vector{o.plan};
    const std::size_t methods = o.every_method ? std::size(method_names) : 1;
    std::int64_t work = 0; // every method examines as many solutions on a schedule
    for (const schedule& plan : plans)
        work += examined_per_run(plan) * static_cast<std::int64_t>(methods) * o.runs;
    const std::vector<double> table = objective_table(o.land, o.code);
    progress shown =
        start_progress("sinc-study", static_cast<long>(plans.size() * methods) * o.runs, work);
    for (const schedule& plan : plans)
        for (std::size_t m = 0; m < methods; ++m)
            print_row(o, o.every_method ? static_cast<study_method>(m) : o.method, plan, table,
                      shown);
}

// Counts each move; prints a row of the trace at the end of each level.
void trace_move(const move_report& move, void* context)
{
    level_tally& count = *static_cast<level_tally*>(context);
    if (tally_move(count, move))
        std::puts(level_row(count, move).c_str());
}

// Prints a row for each move: what it proposed, and what became of it.
void show_move(const move_report& move, void* context)
{
    level_tally& count = *static_cast<level_tally*>(context);
    std::printf("%d\t%d\t%.6g\t%d\t%.6f\t%.6f\t%.6g\t", count.moves / count.moves_per_level + 1,
                count.moves + 1, move.temperature, move.bit,
                x_of_state(*count.land, count.code, move.from_k),
                x_of_state(*count.land, count.code, move.to_k), static_cast<double>(move.delta));
    ++count.moves;
    if (move.delta <= 0) // the bar the draw must stay below, as the search forms it
        std::printf("%.6g\t", std::exp(move.delta / move.temperature));
    else
        std::fputs("-\t", stdout);
    if (move.draw != no_draw)
        std::printf("%.4f\t", move.draw);
    else
        std::fputs("-\t", stdout);
    std::printf("%s\t%.6f\t%.6f\n", move.taken ? "yes" : "no",
                x_of_state(*count.land, count.code, move.best_k),
                static_cast<double>(move.best_objective));
}

void print_trace(const study_options& o)
{
    if (o.every_move)
        std::puts("level\texamined\ttemperature\tbit\tx_before\tx_after\tdelta\texp_delta_t\t"
                  "draw\ttaken\tbest_x\tbest");
    else
        std::puts(level_header);
    const std::vector<double> table = objective_table(o.land, o.code);
    level_tally count{&o.land, o.code, o.plan.moves_per_level, 0, 0, 0};
    run_once({o.method, o.plan, o.every_move ? show_move : trace_move, &count, &o.land,
              table.data(), o.code},
             o.seed);
}

// The time to target from o.runs runs of every method, run i from seed
// o.seed + i for each.
void print_runs_time_to_target(const study_options& o)
{
    const std::vector<double> table = objective_table(o.land, o.code);
    const auto methods = static_cast<long>(std::size(method_names));
    progress shown =
        start_progress("sinc-study", methods * o.runs, examined_per_run(o.plan) * methods * o.runs);
    target_curves curves{o.plan.moves_per_level, o.land.target, {}};
    for (long m = 0; m < methods; ++m) {
        run_setup setup{
            static_cast<study_method>(m), o.plan, nullptr, nullptr, &o.land, table.data(), o.code};
        setup.find_time_to_target = true;
        curves.reached[m] =
            runs_curve(run_many(setup, o.seed, o.runs, o.threads, {tick_progress, &shown}), o.plan);
    }
    clear_progress(shown);
    print_time_to_target(curves, share_decimals);
}
} // namespace

int main(int argc, char** argv)
{
    const study_options o = parse_study_options(argc, argv);
    if (o.time_to_target && o.exact)
        print_exact_time_to_target(o);
    else if (o.time_to_target)
        print_runs_time_to_target(o);
    else if (o.exact && o.map)
        print_exact_map(o);
    else if (o.exact && o.trace)
        print_exact_trace(o);
    else if (o.exact)
        print_exact_table(o);
    else if (o.trace)
        print_trace(o);
    else
        print_table(o);
    return finish_output("sinc-study");
}
