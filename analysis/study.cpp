#include "study.h"

#include "draws.h"
#include "encoding.h"

#include <algorithm>
#include <atomic>
#include <thread>

namespace {
constexpr float sweep_cooling[] = {0.9f, 0.97f, 0.99f};
constexpr float sweep_final[] = {1.0f, 0.1f, 0.01f, 0.001f};
constexpr std::int32_t sweep_moves[] = {2, 8, 32};
constexpr std::int64_t samples_per_batch = 64;

// Draws a random solution as option 1 does; returns its integer value.
std::int32_t random_solution(std::int32_t* bits)
{
    fill_random_bits(bits, landscape_bits);
    return bits_to_integer(bits, landscape_bits);
}

// f at the vector of integer value state as a run reports it, narrowed.
float objective_at(const run_setup& setup, std::int32_t state)
{
    return static_cast<float>(setup.objective_table[state]);
}

// The best of count random solutions, the first of them the start. Each is
// drawn as random_solution draws it, without filling a vector. They are
// drawn a batch at a time and then looked up, so that the look-ups, which
// mostly miss the cache, wait side by side rather than one after another.
run_outcome best_of_samples(const run_setup& setup, run_outcome start, std::int64_t count)
{
    run_outcome best = start;
    if (setup.find_time_to_target && reaches_target(*setup.land, start.best_objective))
        best.examined_to_target = 1;
    std::int32_t batch[samples_per_batch];
    for (std::int64_t first = 1; first < count; first += samples_per_batch) {
        const std::int64_t size = std::min(samples_per_batch, count - first);
        for (std::int64_t i = 0; i < size; ++i)
            batch[i] = random_bits_value(landscape_bits);
        for (std::int64_t i = 0; i < size; ++i) {
            const float f = objective_at(setup, batch[i]);
            if (f > best.best_objective) {
                std::int64_t to_target = best.examined_to_target;
                if (setup.find_time_to_target && to_target < 0 && reaches_target(*setup.land, f))
                    to_target = first + i + 1; // the start was draw 1
                best = {batch[i], f, to_target};
            }
        }
    }
    return best;
}

// What a search that notes its time to target carries from move to move.
struct target_watch {
    const run_setup* setup;
    std::int64_t moves;
    std::int64_t examined_to_target;
};

// Notes the first move after which the best passes the target, and hands
// the move on to the setup's own watcher, if any.
void watch_for_target(const move_report& move, void* context)
{
    auto& seen = *static_cast<target_watch*>(context);
    ++seen.moves;
    if (seen.examined_to_target < 0 && reaches_target(*seen.setup->land, move.best_objective))
        seen.examined_to_target = seen.moves;
    if (seen.setup->watch != nullptr)
        seen.setup->watch(move, seen.setup->context);
}

// A search from bits on setup, noting when it first reached the target
// when asked: the start counts as 0 solutions examined.
std::int64_t search_run(const run_setup& setup, std::int32_t* bits, float* current)
{
    target_watch seen{&setup, 0, reaches_target(*setup.land, *current) ? 0 : -1};
    search_variant variant{rule_of(setup.method), setup.watch, setup.context,
                           setup.objective_table};
    if (setup.find_time_to_target)
        variant = {variant.rule, watch_for_target, &seen, setup.objective_table};
    search_from(variant, setup.land->g, setup.plan, bits, current);
    return setup.find_time_to_target ? seen.examined_to_target : -1;
}
} // namespace

move_rule rule_of(study_method method)
{
    return method == study_method::climb ? move_rule::climb : move_rule::anneal;
}

std::int64_t examined_per_run(const schedule& plan)
{
    if (plan.moves_per_level < 1)
        return 0;
    const std::int64_t levels = level_count(plan, most_examined / plan.moves_per_level);
    const std::int64_t examined = levels * plan.moves_per_level;
    return examined > most_examined ? -1 : examined;
}

std::int64_t default_levels(const schedule& plan)
{
    schedule geometric = plan;
    geometric.shape = cooling_shape::geometric;
    return level_count(geometric, most_examined);
}

schedule shaped_schedule(schedule plan, cooling_shape shape, std::int32_t levels)
{
    plan.shape = shape;
    plan.levels = 0;
    if (shape != cooling_shape::geometric)
        plan.levels = levels > 0 ? levels : static_cast<std::int32_t>(default_levels(plan));
    return plan;
}

std::vector<schedule> sweep_schedules(double initial_temperature)
{
    std::vector<schedule> plans;
    for (const float final : sweep_final)
        for (const std::int32_t moves : sweep_moves)
            for (const float cooling : sweep_cooling)
                plans.push_back({cooling, initial_temperature, final, moves});
    return plans;
}

std::int32_t draw_start(std::uint32_t seed, std::int32_t* bits)
{
    seed_random(seed);
    return random_solution(bits);
}

run_outcome run_once(const run_setup& setup, std::uint32_t seed)
{
    std::int32_t bits[landscape_bits];
    const std::int32_t start = draw_start(seed, bits);
    float current = objective_at(setup, start);
    run_outcome end{start, current}; // k holds the vector's integer value until the end
    if (setup.method == study_method::sample) {
        end = best_of_samples(setup, end, examined_per_run(setup.plan));
    } else {
        const std::int64_t to_target = search_run(setup, bits, &current);
        end = {bits_to_integer(bits, landscape_bits), current, to_target};
    }
    return {point_of(setup.code, end.k), end.best_objective, end.examined_to_target};
}

std::vector<std::int32_t> sampled_solutions(std::uint32_t seed, std::int64_t count)
{
    std::vector<std::int32_t> drawn;
    if (count <= 0)
        return drawn;
    std::int32_t bits[landscape_bits];
    drawn.push_back(draw_start(seed, bits));
    for (std::int64_t i = 1; i < count; ++i)
        drawn.push_back(random_bits_value(landscape_bits));
    return drawn;
}

// Each thread takes the next run not yet taken, so that threads finish
// together however long runs take; each run's outcome has its own place.
std::vector<run_outcome> run_many(const run_setup& setup, std::uint32_t first_seed, long runs,
                                  unsigned threads, run_progress shown)
{
    std::vector<run_outcome> outcomes(static_cast<std::size_t>(runs));
    const std::int64_t work = examined_per_run(setup.plan);
    std::atomic<long> next_run{0};
    const auto take_runs = [&] {
        for (long i = next_run++; i < runs; i = next_run++) {
            outcomes[static_cast<std::size_t>(i)] =
                run_once(setup, first_seed + static_cast<std::uint32_t>(i));
            if (shown.done != nullptr)
                shown.done(work, shown.context);
        }
    };
    // std::thread joined by hand: libc++ 14, as macOS has had it, has no jthread.
    std::vector<std::thread> helpers;
    for (long t = 1; t < std::min(static_cast<long>(threads), runs); ++t)
        helpers.emplace_back(take_runs);
    take_runs();
    for (std::thread& helper : helpers)
        helper.join();
    return outcomes;
}

run_summary summarize(const std::vector<run_outcome>& outcomes, const landscape& land)
{
    if (outcomes.empty())
        return {0, 0, 0};
    long above = 0;
    long at_best_point = 0;
    double sum = 0;
    for (const run_outcome& run : outcomes) {
        above += reaches_target(land, run.best_objective) ? 1 : 0;
        at_best_point += run.best_objective == land.highest ? 1 : 0;
        sum += run.best_objective;
    }
    const auto runs = static_cast<double>(outcomes.size());
    return {static_cast<double>(above) / runs, static_cast<double>(at_best_point) / runs,
            sum / runs};
}
