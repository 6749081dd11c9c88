// Timings of the objective, of decoding, and of one whole search, beside
// the C-style baseline. The tests check that both print the same searches.

#include "anneal.h"
#include "c_style_search.h"
#include "draws.h"
#include "encoding.h"
#include "exact.h"
#include "exact_engine.h"
#include "landscape.h"
#include "objective.h"
#include "presets.h"
#include "problem.h"
#include "report.h"
#include "study.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {
// The program's function on its grid, worked out once.
const landscape& program_land()
{
    static const landscape land = program_landscape();
    return land;
}

constexpr int start_point = 90000; // a start outside the global basin
constexpr std::uint32_t seed = 1;

using search_function = void (*)(std::FILE*, const grid&, const schedule&, int*, float*);

void library_anneal(std::FILE* out, const grid& g, const schedule& plan, int* bits, float* f)
{
    const float start = *f;
    const search_result found =
        search_from({move_rule::anneal, nullptr, nullptr, nullptr}, g, plan, bits, f);
    if (out != nullptr)
        print_search_report(out, start, found);
}

// One search from start_point with the program's parameters.
void search_once(search_function search, std::FILE* out, std::uint32_t search_seed)
{
    std::int32_t bits[problem_grid.bits];
    grid_bits_of(start_point, bits);
    float current = grid_objective(program_land(), start_point);
    seed_random(search_seed);
    search(out, problem_grid, problem_schedule, bits, &current);
}

void bm_objective(benchmark::State& state)
{
    float x = -0.5f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(objective(x));
        x = x < 2.0f ? x + 1e-3f : -2.0f;
    }
}

void bm_decode_bits(benchmark::State& state)
{
    std::vector<std::int32_t> bits(problem_grid.bits, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode_bits(bits.data(), problem_grid.full_scale,
                                             problem_grid.bits, problem_grid.lower,
                                             problem_grid.upper));
        flip_bit(bits.data(), 3);
    }
}

// One run of method from a random start, as sinc-study makes it, at the
// program's schedule with f looked up in the table; timed a move (a
// solution examined, for sampling).
void bm_run(benchmark::State& state, study_method method)
{
    const std::vector<double> table = objective_table(program_land(), coding::binary);
    const run_setup setup{method,          problem_schedule, nullptr,       nullptr,
                          &program_land(), table.data(),     coding::binary};
    std::uint32_t run_seed = seed;
    for (auto _ : state)
        benchmark::DoNotOptimize(run_once(setup, run_seed++));
    state.counters["per move"] = benchmark::Counter(
        static_cast<double>(examined_per_run(problem_schedule)),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void bm_search(benchmark::State& state, search_function search)
{
    for (auto _ : state)
        search_once(search, nullptr, seed);
    state.counters["searches"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
// The exact distribution of the program's search on its schedule, carried
// by state.range(0) threads.
void bm_exact(benchmark::State& state)
{
    const schedule& plan = problem_schedule;
    const auto threads = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(exact_search(program_land(), move_rule::anneal, coding::binary,
                                              plan, threads, nullptr, nullptr));
}

// The exact engine's parts on one thread: a move of the kernel, and the
// counts of one temperature (T = 1), timed a state.
void bm_exact_part(benchmark::State& state, bool counts)
{
    const exact_grid grid = make_grid(program_land(), points_of_states(coding::binary));
    exact_walk walk = make_walk(grid);
    for (auto _ : state) {
        if (counts) {
            count_worse_moves(grid, walk, move_rule::anneal, 1.0, 0, grid.worse.size());
            spread_counts(grid, walk, 0, grid_points);
            count_stays(walk, 0, grid_points);
        } else {
            move_quads(walk, 0, quads);
        }
        benchmark::ClobberMemory();
    }
    state.counters["per state"] = benchmark::Counter(
        grid_points, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
} // namespace

BENCHMARK(bm_objective);
BENCHMARK(bm_decode_bits);
BENCHMARK_CAPTURE(bm_search, library, &library_anneal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bm_search, c_style, &c_style_anneal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bm_run, anneal, study_method::anneal)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bm_run, climb, study_method::climb)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(bm_run, sample, study_method::sample)->Unit(benchmark::kMicrosecond);

BENCHMARK_CAPTURE(bm_exact_part, move, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bm_exact_part, counts, true)->Unit(benchmark::kMillisecond);
BENCHMARK(bm_exact)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
