#include "options.h"

#include "landscape_options.h"
#include "option_values.h"
#include "shape_options.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <thread>
#include <tuple>

namespace {
constexpr long most_runs = 1000000;
constexpr std::int64_t most_exact_moves = 50000; // about 3 minutes of work on two cores

// Binds a whole-number option, low to high, to *value, its default shown.
template <typename Number>
void add_whole_number(CLI::App& app, const char* name, Number* value, std::int64_t low,
                      std::int64_t high, const std::string& description)
{
    app.add_option(name, *value, description)
        ->transform(whole_number(low, high))
        ->type_name("N")
        ->capture_default_str();
}

// Binds a temperature or cooling factor to *value. It is read as a float, as
// the program holds its own: read straight, not through a wider type, it is
// rounded once.
void add_float_option(CLI::App& app, const char* name, double* value, double low, double high,
                      const std::string& description)
{
    app.add_option_function<std::string>(
           name, [value](const std::string& text) { *value = std::strtof(text.c_str(), nullptr); },
           description)
        ->check(float_number(low, high))
        ->type_name("X")
        ->default_str(shown(*value));
}

// Binds o's runs, seed and threads to --runs, --seed and --threads, each
// with its default shown.
template <typename Options>
void add_runs_seed_and_threads(CLI::App& app, Options& o)
{
    add_whole_number(app, "--runs", &o.runs, 1, most_runs, "how many runs, 1 to 1000000");
    add_whole_number(app, "--seed", &o.seed, 0, std::numeric_limits<std::uint32_t>::max(),
                     "the first run's seed S; run i has seed S + i");
    add_whole_number(app, "--threads", &o.threads, 1, most_threads,
                     "runs side by side, 1 to 256 (default:\n"
                     "one a core); the output is the same for\nany count");
}

// Binds --coding to *code, by name.
void add_coding_option(CLI::App& app, coding* code)
{
    app.add_option_function<std::string>(
           "--coding",
           [code](const std::string& name) {
               *code = name == coding_names[1] ? coding::gray : coding::binary;
           },
           "how the 17 bits stand for a grid point:\n"
           "binary (the program's code) or gray (the\n"
           "reflected Gray code, in which neighbouring\n"
           "points differ in one bit)")
        ->check(one_of({std::begin(coding_names), std::end(coding_names)}))
        ->type_name("NAME")
        ->default_str(coding_names[0]);
}

// A schedule the runs can carry out: one that ends, and examines at least
// one and at most most_examined solutions a run.
void check_schedule(const char* tool, const schedule& plan)
{
    const std::int64_t examined = examined_per_run(plan);
    if (examined == 0)
        fail(tool, "the schedule examines nothing: --initial must lie above --final");
    if (examined < 0)
        fail(tool, "the schedule never ends, or examines over 10000000 solutions a run");
}

// The sweep's own schedules from o's initial temperature, which must lie
// above every final temperature of the sweep.
void check_sweep(const char* tool, const study_options& o)
{
    for (const schedule& plan : sweep_schedules(o.plan.initial_temperature))
        if (examined_per_run(plan) == 0)
            fail(tool, "--initial must lie above " + shown(plan.final_temperature) +
                           ", the sweep's highest final temperature, not " +
                           shown(o.plan.initial_temperature));
        else
            check_schedule(tool, plan);
}

// A mode and an option given with it that it would not use.
struct conflict {
    const char* mode;
    const char* option;
    const char* why;
};

constexpr conflict conflicts[] = {
    {"--sweep", "--cooling", "the sweep has schedules of its own"},
    {"--sweep", "--final", "the sweep has schedules of its own"},
    {"--sweep", "--moves", "the sweep has schedules of its own"},
    {"--sweep", "--schedule", "the sweep has schedules of its own"},
    {"--sweep", "--levels", "the sweep has schedules of its own"},
    {"--sweep", "--time-to-target", "the time to target follows one schedule"},
    {"--time-to-target", "--method", "it shows every method"},
    {"--time-to-target", "--trace", "it is a trace of its own"},
    {"--time-to-target", "--map", "it is a trace of its own"},
    {"--sweep", "--trace", "a trace follows one search"},
    {"--sweep", "--exact", "--exact works out one schedule"},
    {"--map", "--trace", "the map is a trace of its own"},
    {"--trace", "--runs", "a trace follows one search"},
    {"--exact", "--runs", "it works out probabilities, not runs"},
    {"--exact", "--seed", "it works out probabilities, not runs"},
    {"--exact", "--every-move", "it works out probabilities, not moves"},
};

[[noreturn]] void refuse(const char* tool, const std::string& mode, const char* option,
                         const char* why)
{
    fail(tool, mode + " does not go with " + option + ": " + why);
}

// The checks that involve more than one option.
void check_study(const CLI::App& app, const study_options& o)
{
    const char* tool = app.get_name().c_str();
    for (const conflict& pair : conflicts)
        if (app.count(pair.mode) > 0 && app.count(pair.option) > 0)
            refuse(tool, pair.mode, pair.option, pair.why);
    const bool sampling = o.method == study_method::sample;
    if (o.map && !o.exact)
        fail(tool, "--map needs --exact");
    if (o.every_move && !o.trace)
        fail(tool, "--every-move needs --trace");
    if ((o.trace || o.map) && sampling)
        refuse(tool, o.trace ? "--trace" : "--map", "--method sample", "sampling makes no moves");
    if (o.trace && !o.exact && app.count("--threads") > 0)
        refuse(tool, "--trace", "--threads", "a trace follows one search");
    if (o.exact && sampling && app.count("--threads") > 0)
        refuse(tool, "--exact --method sample", "--threads", "its figures are a formula");
    const std::int64_t moves = examined_per_run(o.plan);
    if (o.exact && !sampling && moves > most_exact_moves)
        fail(tool, "--exact takes at most 50000 moves, from half a minute of work on two cores to "
                   "3 minutes with one move a level, not " +
                       std::to_string(moves));
    if (o.sweep)
        check_sweep(tool, o);
    else
        check_schedule(tool, o.plan);
}

// Binds the schedule's options to plan, its values their defaults.
void add_schedule_options(CLI::App& app, schedule& plan)
{
    add_float_option(app, "--cooling", &plan.cooling, 0, 1,
                     "T is multiplied by it after each level,\n0 < X < 1");
    const double none = std::numeric_limits<double>::infinity();
    add_float_option(app, "--initial", &plan.initial_temperature, -none, none,
                     "the first level's temperature");
    add_float_option(app, "--final", &plan.final_temperature, -none, none,
                     "levels run while T is above it");
    add_whole_number(app, "--moves", &plan.moves_per_level, 1, most_examined, "moves per level");
}

// Binds sinc-study's modes, each a flag, to o.
void add_modes(CLI::App& app, study_options& o)
{
    const std::tuple<const char*, bool*, const char*> flags[] = {
        {"--sweep", &o.sweep,
         "every method, or the one --method names, on\n"
         "36 schedules of its own; takes --initial\n"
         "(above 1), --runs and --seed"},
        {"--trace", &o.trace,
         "one run from --seed, level by level: T, the\n"
         "current and best solutions, and the share of\nworse moves taken"},
        {"--every-move", &o.every_move,
         "with --trace: a row per move: the level, T,\n"
         "the bit flipped, x before and after the flip,\n"
         "delta, exp(delta / T) and the draw when there\n"
         "is one, whether the move was taken, and the\n"
         "best so far"},
        {"--exact", &o.exact,
         "the probabilities themselves instead of runs\n"
         "(so no --runs or --seed), carried move by\nmove; with --trace, level by level"},
        {"--map", &o.map,
         "with --exact: the probability of the current\n"
         "solution over x at every level, beside the\nBoltzmann distribution at its T"},
        {"--time-to-target", &o.time_to_target,
         "every method's chance of having reached\n"
         "above 1.5 by the end of each level, and the\n"
         "median solutions examined to reach it; with\n"
         "--exact worked out, else from --runs runs"}};
    for (const auto& [name, flag, description] : flags)
        app.add_flag(name, *flag, description);
}
} // namespace

unsigned all_cores()
{
    return std::clamp(std::thread::hardware_concurrency(), 1U, most_threads);
}

reliability_options parse_reliability_options(int argc, char** argv)
{
    CLI::App app("Runs many searches with the program's schedule (or another --schedule\n"
                 "between its ends), run i from a random start with seed S + i, on the\n"
                 "program's function or another landscape, and prints the share that\n"
                 "reached an objective above the target (1.5 for the program's function)\n"
                 "and the share whose best point reached lies in each local maximum's\n"
                 "basin, then the distribution of the best objective reached as\n"
                 "\"low high share\" rows, for plotting.",
                 "sinc-reliability");
    set_up(app);
    reliability_options o;
    shape_choice shape;
    add_shape_options(app, &shape);
    add_runs_seed_and_threads(app, o);
    add_coding_option(app, &o.code);
    landscape_text text;
    add_landscape_options(app, text);
    parse_or_exit(app, argc, argv);
    o.land = landscape_or_exit(app, text);
    o.plan = settle_shape(app, shape, o.plan);
    check_schedule(app.get_name().c_str(), o.plan);
    return o;
}

landscape_options parse_landscape_options(int argc, char** argv)
{
    CLI::App app("Prints the objective (the program's, or another landscape's) over the grid,\n"
                 "for plotting: \"x f\" for every 16th grid point and the last, then, after\n"
                 "two blank lines, \"x f k\" for each local maximum, highest first.",
                 "sinc-landscape");
    set_up(app);
    landscape_options o;
    app.add_flag("--one-flip-peaks", o.one_flip_peaks,
                 "instead: the one-flip peaks, the grid\n"
                 "points from which no single flip leads to a\n"
                 "higher f, in binary then in Gray code: their\n"
                 "count and \"x f k\" for each, highest first;\n"
                 "the blocks two blank lines apart");
    app.add_flag("--every-point", o.every_point,
                 "instead: \"k x f\" at every grid point, x as\n"
                 "a search stores it and f as computed, before\n"
                 "it is narrowed, both to 17 significant digits")
        ->excludes("--one-flip-peaks");
    landscape_text text;
    add_landscape_options(app, text);
    parse_or_exit(app, argc, argv);
    o.land = landscape_or_exit(app, text);
    return o;
}

study_options parse_study_options(int argc, char** argv)
{
    CLI::App app("Runs searches from random starts, run i with seed S + i, on the program's\n"
                 "function or another landscape, and prints a tab-separated table: method,\n"
                 "schedule, solutions examined per run, runs, the share that reached an\n"
                 "objective above the target (above_1_5 for the program's target, 1.5), the\n"
                 "share that reached a grid point of the highest f (reached_best), and the\n"
                 "mean best objective reached.",
                 "sinc-study");
    set_up(app);
    study_options o;
    std::string method = method_names[0];
    app.add_option("--method", method,
                   "anneal (the program's search), climb (the\n"
                   "same loop keeping only improving moves) or\n"
                   "sample (as many random solutions as the\n"
                   "annealing examines)")
        ->check(one_of({std::begin(method_names), std::end(method_names)}))
        ->type_name("NAME")
        ->capture_default_str();
    add_schedule_options(app, o.plan);
    shape_choice shape;
    add_shape_options(app, &shape);
    add_runs_seed_and_threads(app, o);
    add_coding_option(app, &o.code);
    add_modes(app, o);
    landscape_text text;
    add_landscape_options(app, text);
    parse_or_exit(app, argc, argv);
    if (app.count("--sweep") == 0)
        o.plan = settle_shape(app, shape, o.plan);

    for (std::size_t m = 0; m < std::size(method_names); ++m)
        if (method == method_names[m])
            o.method = static_cast<study_method>(m);
    o.every_method = o.sweep && app.count("--method") == 0;
    check_study(app, o);
    o.land = landscape_or_exit(app, text);
    return o;
}
