#include "options.h"

#include "output.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <tuple>

namespace {
constexpr long most_runs = 1000000;
constexpr std::int64_t most_exact_moves = 50000;
constexpr unsigned most_threads = 1024;

[[noreturn]] void fail(const char* tool, const std::string& message)
{
    std::fprintf(stderr, "%s: %s\n", tool, message.c_str());
    std::exit(2);
}

// Parses the command line into what app's options are bound to. Help and
// errors end the process, as the header of each parser says.
void parse_or_exit(CLI::App& app, int argc, char** argv)
{
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        std::exit(finish_output(app.get_name().c_str()));
    } catch (const CLI::ParseError& error) {
        fail(app.get_name().c_str(), error.what());
    }
}

// How a float default shows in the usage: 0.97, 100, 0.1.
std::string shown(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Binds a temperature or cooling factor to *value. It is read as a float, as
// the program holds its own: read straight, not through a wider type, it is
// rounded once.
void add_float_option(CLI::App& app, const char* name, double* value, const char* description)
{
    app.add_option_function<std::string>(
           name,
           [name, value, &app](const std::string& text) {
               char* end = nullptr;
               const float number = std::strtof(text.c_str(), &end);
               if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(number))
                   fail(app.get_name().c_str(), std::string(name) + " must be a number: " + text);
               *value = number;
           },
           description)
        ->type_name("NUMBER")
        ->default_str(shown(*value));
}

// Binds --runs (1 to most_runs), --seed and --threads (1 to most_threads),
// each with its default shown.
void add_runs_seed_and_threads(CLI::App& app, long& runs, std::uint32_t& seed, unsigned& threads)
{
    app.add_option("--runs", runs, "how many runs")
        ->check(CLI::Range(1L, most_runs))
        ->capture_default_str();
    app.add_option("--seed", seed, "the first run's seed; run i has seed S + i")
        ->capture_default_str();
    app.add_option("--threads", threads,
                   "how many runs go side by side (default: one a core); the output is the "
                   "same for any count")
        ->check(CLI::Range(1U, most_threads))
        ->capture_default_str();
}

// A schedule the runs can carry out: one that ends, and examines at least
// one and at most most_examined solutions a run.
void check_schedule(const char* tool, const schedule& plan)
{
    if (!(plan.cooling > 0 && plan.cooling < 1))
        fail(tool, "--cooling must lie between 0 and 1, both excluded");
    if (plan.moves_per_level < 1)
        fail(tool, "--moves must be at least 1");
    const std::int64_t examined = examined_per_run(plan);
    if (examined == 0)
        fail(tool, "the schedule examines nothing: --initial must be above --final");
    if (examined < 0)
        fail(tool, "the schedule never ends, or examines over 10000000 solutions a run");
}

// The checks that involve more than one option.
void check_study(const char* tool, const study_options& o)
{
    if (o.trace && (o.sweep || o.method == study_method::sample))
        fail(tool, "--trace follows one search: not with --sweep or --method sample");
    if (o.exact && o.sweep)
        fail(tool, "--exact works out one schedule: not with --sweep");
    if (o.map && (!o.exact || o.trace || o.method == study_method::sample))
        fail(tool, "--map goes with --exact, for anneal or climb, without --trace");
    if (o.exact && o.method != study_method::sample && examined_per_run(o.plan) > most_exact_moves)
        fail(tool, "--exact carries at most 50000 moves: from half a minute of work on two "
                   "cores, with many moves a level, to three, with one");
    for (const schedule& plan :
         o.sweep ? sweep_schedules(o.plan.initial_temperature) : std::vector<schedule>{o.plan})
        check_schedule(tool, plan);
}
} // namespace

unsigned all_cores()
{
    return std::max(1U, std::thread::hardware_concurrency());
}

reliability_options parse_reliability_options(int argc, char** argv)
{
    CLI::App app("Runs many searches with the program's schedule, run i from a random start\n"
                 "with seed S + i, and prints how often they end in each local maximum's\n"
                 "basin, then the distribution of the best objective as \"low high share\"\n"
                 "rows, for plotting.",
                 "sinc-reliability");
    reliability_options o;
    add_runs_seed_and_threads(app, o.runs, o.seed, o.threads);
    parse_or_exit(app, argc, argv);
    return o;
}

void parse_landscape_options(int argc, char** argv)
{
    CLI::App app("Prints the objective over the grid, for plotting: \"x f\" for every 16th\n"
                 "grid point and the last, then, after two blank lines, \"x f k\" for each\n"
                 "local maximum, highest first.",
                 "sinc-landscape");
    parse_or_exit(app, argc, argv);
}

study_options parse_study_options(int argc, char** argv)
{
    CLI::App app("Runs searches from random starts, run i with seed S + i, and prints a\n"
                 "tab-separated table: method, schedule, solutions examined per run, runs,\n"
                 "the share whose best objective is above 1.5, the share that end on the\n"
                 "grid's best point, and the mean best objective.",
                 "sinc-study");
    study_options o;
    std::string method = method_names[0];
    app.add_option("--method", method,
                   "annealing (the program's search), the same loop keeping only improving "
                   "moves, or as many random solutions as the annealing examines")
        ->check(CLI::IsMember({"anneal", "climb", "sample"}))
        ->capture_default_str();
    add_float_option(app, "--cooling", &o.plan.cooling,
                     "T is multiplied by it after each level, 0 < C < 1");
    add_float_option(app, "--initial", &o.plan.initial_temperature,
                     "the first level's temperature");
    add_float_option(app, "--final", &o.plan.final_temperature, "levels run while T is above it");
    app.add_option("--moves", o.plan.moves_per_level, "moves per level")->capture_default_str();
    add_runs_seed_and_threads(app, o.runs, o.seed, o.threads);
    const std::tuple<const char*, bool*, const char*> flags[] = {
        {"--sweep", &o.sweep,
         "every method on a grid of cooling factors, final temperatures and moves per level "
         "(--initial, --runs and --seed still apply)"},
        {"--trace", &o.trace,
         "one run, level by level: T, the current and best solutions, and the share of worse "
         "moves taken"},
        {"--exact", &o.exact,
         "the probabilities themselves instead of runs: the distribution of the search carried "
         "move by move; with --trace, level by level"},
        {"--map", &o.map,
         "with --exact: the probability of the current solution over x at every level, beside "
         "the Boltzmann distribution at its T"}};
    for (const auto& [name, flag, description] : flags)
        app.add_flag(name, *flag, description);
    parse_or_exit(app, argc, argv);

    for (std::size_t m = 0; m < std::size(method_names); ++m)
        if (method == method_names[m])
            o.method = static_cast<study_method>(m);
    check_study(app.get_name().c_str(), o);
    return o;
}
