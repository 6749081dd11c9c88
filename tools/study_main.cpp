// sinc-study: is annealing worth it here, and which schedule does better?
// Runs the program's search, a hill-climber and random sampling from random
// starts on any schedule, and prints what they achieve as a tab-separated
// table; or traces one search level by level.

#include "landscape.h"
#include "output.h"
#include "problem.h"
#include "study.h"

#include <getopt.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {
constexpr long most_runs = 1000000;
constexpr int default_runs = 1000;
constexpr float success_threshold = 1.5f;            // only the global maximum's peak is above it
constexpr std::int32_t grid_maximum = 48917;         // bits 01011111100010101
constexpr auto quiet_time = std::chrono::seconds(1); // progress shows after this long
constexpr const char* method_names[] = {"anneal", "climb", "sample"};

// The grid of --sweep: every cooling factor with every final temperature
// and every number of moves per level.
constexpr float sweep_cooling[] = {0.9f, 0.97f, 0.99f};
constexpr float sweep_final[] = {1.0f, 0.1f, 0.01f, 0.001f};
constexpr std::int32_t sweep_moves[] = {2, 8, 32};

const char* const usage =
    "usage: sinc-study [options]\n"
    "Runs searches from random starts, run i with seed S + i, and prints a\n"
    "tab-separated table: method, schedule, solutions examined per run, runs,\n"
    "the share whose best objective is above 1.5, the share that end on the\n"
    "grid's best point, and the mean best objective.\n"
    "  --method anneal|climb|sample  annealing (the program's search), the same\n"
    "                     loop keeping only improving moves, or as many random\n"
    "                     solutions as the annealing examines (default anneal)\n"
    "  --cooling C        T is multiplied by C after each level, 0 < C < 1 (0.97)\n"
    "  --initial T0       the first level's temperature (100)\n"
    "  --final TF         levels run while T is above TF (0.1)\n"
    "  --moves M          moves per level (8)\n"
    "  --runs N           runs per row, 1 to 1000000 (1000)\n"
    "  --seed S           the first run's seed (1)\n"
    "  --sweep            every method on a grid of cooling factors, final\n"
    "                     temperatures and moves per level (--initial, --runs\n"
    "                     and --seed still apply)\n"
    "  --trace            one run, level by level: T, the current and best\n"
    "                     solutions, and the share of worse moves taken\n"
    "  --help             this text\n";

struct options {
    study_method method = study_method::anneal;
    schedule plan = program_schedule;
    long runs = default_runs;
    std::uint32_t seed = 1;
    bool sweep = false;
    bool trace = false;
};

[[noreturn]] void fail(const char* message, const char* value)
{
    std::fprintf(stderr, "sinc-study: %s%s%s\n%s", message, value != nullptr ? ": " : "",
                 value != nullptr ? value : "", usage);
    std::exit(2);
}

// The whole of text as a number of type T, or the failure message.
template <typename T>
T number(const char* text, const char* message)
{
    T value{};
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc() || end != view.data() + view.size())
        fail(message, text);
    return value;
}

// A temperature or cooling factor, held as a float as the program holds its own.
double float_number(const char* text, const char* message)
{
    const float value = number<float>(text, message);
    if (!std::isfinite(value))
        fail(message, text);
    return value;
}

study_method method_named(const char* name)
{
    for (std::size_t i = 0; i < std::size(method_names); ++i)
        if (std::strcmp(name, method_names[i]) == 0)
            return static_cast<study_method>(i);
    fail("--method is anneal, climb or sample", name);
}

// Sets o from one option and its argument.
void take_option(int option, const char* value, options& o)
{
    switch (option) {
    case 'm':
        o.method = method_named(value);
        break;
    case 'c':
        o.plan.cooling = float_number(value, "--cooling must be a number");
        break;
    case 'i':
        o.plan.initial_temperature = float_number(value, "--initial must be a number");
        break;
    case 'f':
        o.plan.final_temperature = float_number(value, "--final must be a number");
        break;
    case 'M':
        o.plan.moves_per_level = number<std::int32_t>(value, "--moves must be a whole number");
        break;
    case 'r':
        o.runs = number<long>(value, "--runs must be a whole number");
        break;
    case 's':
        o.seed = number<std::uint32_t>(value, "--seed must be a whole number from 0 to 4294967295");
        break;
    case 'S':
        o.sweep = true;
        break;
    case 't':
        o.trace = true;
        break;
    case 'h':
        std::fputs(usage, stdout);
        std::exit(finish_output("sinc-study"));
    default:
        std::fputs(usage, stderr);
        std::exit(2); // getopt has said what is wrong
    }
}

// A schedule the runs can carry out: one that ends, and examines at least
// one and at most most_examined solutions a run.
void check_schedule(const schedule& plan)
{
    if (!(plan.cooling > 0 && plan.cooling < 1))
        fail("--cooling must lie between 0 and 1, both excluded", nullptr);
    if (plan.moves_per_level < 1)
        fail("--moves must be at least 1", nullptr);
    const std::int64_t examined = examined_per_run(plan);
    if (examined == 0)
        fail("the schedule examines nothing: --initial must be above --final", nullptr);
    if (examined < 0)
        fail("the schedule never ends, or examines over 10000000 solutions a run", nullptr);
}

// The schedules that --sweep runs: every cooling factor with every final
// temperature and every number of moves per level, from o's initial T.
std::vector<schedule> sweep_schedules(const options& o)
{
    std::vector<schedule> plans;
    for (const float final : sweep_final)
        for (const std::int32_t moves : sweep_moves)
            for (const float cooling : sweep_cooling)
                plans.push_back({cooling, o.plan.initial_temperature, final, moves});
    return plans;
}

options parse(int argc, char** argv)
{
    static const option long_options[] = {{"method", required_argument, nullptr, 'm'},
                                          {"cooling", required_argument, nullptr, 'c'},
                                          {"initial", required_argument, nullptr, 'i'},
                                          {"final", required_argument, nullptr, 'f'},
                                          {"moves", required_argument, nullptr, 'M'},
                                          {"runs", required_argument, nullptr, 'r'},
                                          {"seed", required_argument, nullptr, 's'},
                                          {"sweep", no_argument, nullptr, 'S'},
                                          {"trace", no_argument, nullptr, 't'},
                                          {"help", no_argument, nullptr, 'h'},
                                          {nullptr, 0, nullptr, 0}};
    options o;
    for (int option = 0; (option = getopt_long(argc, argv, "", long_options, nullptr)) != -1;)
        take_option(option, optarg, o);
    if (optind < argc)
        fail("unexpected argument", argv[optind]);
    if (o.runs < 1 || o.runs > most_runs)
        fail("--runs must be from 1 to 1000000", nullptr);
    if (o.trace && (o.sweep || o.method == study_method::sample))
        fail("--trace follows one search: not with --sweep or --method sample", nullptr);
    for (const schedule& plan : o.sweep ? sweep_schedules(o) : std::vector<schedule>{o.plan})
        check_schedule(plan);
    return o;
}

// How far a long job has come, shown on standard error when that is a
// terminal, once the job has taken a while.
struct progress {
    long done;
    long total;
    std::chrono::steady_clock::time_point start;
    bool at_terminal;
};

void tick(progress& p)
{
    ++p.done;
    if (p.at_terminal && p.done % 100 == 0 &&
        std::chrono::steady_clock::now() - p.start > quiet_time)
        std::fprintf(stderr, "\rsinc-study: %ld of %ld runs%s", p.done, p.total,
                     p.done == p.total ? "\n" : "");
}

// Runs o.runs runs of method on plan and prints their row of the table.
void print_row(const options& o, study_method method, const schedule& plan, std::FILE* sink,
               progress& shown)
{
    const run_setup setup{method, plan, sink, nullptr, nullptr};
    long above = 0;
    long at_maximum = 0;
    double sum = 0;
    for (long i = 0; i < o.runs; ++i) {
        const run_outcome run = run_once(setup, o.seed + static_cast<std::uint32_t>(i));
        above += run.best_objective > success_threshold ? 1 : 0;
        at_maximum += run.k == grid_maximum ? 1 : 0;
        sum += run.best_objective;
        tick(shown);
    }
    const auto runs = static_cast<double>(o.runs);
    std::printf(
        "%s\t%g\t%g\t%g\t%d\t%lld\t%ld\t%.4f\t%.4f\t%.6f\n", method_names[static_cast<int>(method)],
        plan.cooling, plan.initial_temperature, plan.final_temperature, plan.moves_per_level,
        static_cast<long long>(examined_per_run(plan)), o.runs, static_cast<double>(above) / runs,
        static_cast<double>(at_maximum) / runs, sum / runs);
}

// The table: the row of o's method and schedule, or every row of the sweep.
void print_table(const options& o, std::FILE* sink)
{
    std::puts("method\tcooling\tinitial\tfinal\tmoves\texamined\truns\tabove_1_5\tat_maximum\t"
              "mean_best");
    const std::vector<schedule> plans = o.sweep ? sweep_schedules(o) : std::vector{o.plan};
    const std::size_t methods = o.sweep ? std::size(method_names) : 1;
    progress shown{0, static_cast<long>(plans.size() * methods) * o.runs,
                   std::chrono::steady_clock::now(), isatty(STDERR_FILENO) == 1};
    for (const schedule& plan : plans)
        for (std::size_t m = 0; m < methods; ++m)
            print_row(o, o.sweep ? static_cast<study_method>(m) : o.method, plan, sink, shown);
}

// What --trace counts over one level of moves.
struct level_count {
    std::int32_t moves_per_level;
    std::int32_t moves;
    std::int32_t worse;
    std::int32_t worse_taken;
};

// Counts each move; prints a row of the trace at the end of each level.
void trace_move(const move_report& move, void* context)
{
    level_count& count = *static_cast<level_count*>(context);
    if (move.delta < 0) {
        ++count.worse;
        count.worse_taken += move.taken ? 1 : 0;
    }
    if (++count.moves % count.moves_per_level != 0)
        return;
    std::printf("%d\t%d\t%.6g\t%.6f\t%.6f\t%.6f\t%.6f\t", count.moves / count.moves_per_level,
                count.moves, move.temperature, static_cast<double>(grid_x(move.current_k)),
                static_cast<double>(move.current_objective), static_cast<double>(move.best_x),
                static_cast<double>(move.best_objective));
    if (count.worse > 0)
        std::printf("%.4f\n", count.worse_taken / static_cast<double>(count.worse));
    else
        std::puts("-"); // no worse move was proposed
    count.worse = count.worse_taken = 0;
}

void print_trace(const options& o, std::FILE* sink)
{
    std::puts("level\texamined\ttemperature\tcurrent_x\tcurrent\tbest_x\tbest\tworse_taken");
    level_count count{o.plan.moves_per_level, 0, 0, 0};
    run_once({o.method, o.plan, sink, trace_move, &count}, o.seed);
}
} // namespace

int main(int argc, char** argv)
{
    const options o = parse(argc, argv);
    std::FILE* sink = std::fopen("/dev/null", "w"); // the searches' own reports
    if (sink == nullptr) {
        std::perror("sinc-study: /dev/null");
        return 1;
    }
    if (o.trace)
        print_trace(o, sink);
    else
        print_table(o, sink);
    std::fclose(sink);
    return finish_output("sinc-study");
}
