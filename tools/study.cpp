#include "study.h"

#include "draws.h"
#include "encoding.h"
#include "landscape.h"

namespace {
constexpr float sweep_cooling[] = {0.9f, 0.97f, 0.99f};
constexpr float sweep_final[] = {1.0f, 0.1f, 0.01f, 0.001f};
constexpr std::int32_t sweep_moves[] = {2, 8, 32};

// Draws a random solution as option 1 does; returns its integer value.
std::int32_t random_solution(std::int32_t* bits)
{
    fill_random_bits(bits, problem_grid.bits);
    return bits_to_integer(bits, problem_grid.bits);
}

// The best of count random solutions, the first of them the start.
run_outcome best_of_samples(std::int32_t* bits, run_outcome start, std::int64_t count)
{
    run_outcome best = start;
    for (std::int64_t i = 1; i < count; ++i) {
        const std::int32_t k = random_solution(bits);
        const float f = grid_objective(k);
        if (f > best.best_objective)
            best = {k, f};
    }
    return best;
}
} // namespace

std::int64_t examined_per_run(const schedule& plan)
{
    if (plan.moves_per_level < 1)
        return 0;
    std::int64_t examined = 0;
    for (double t = plan.initial_temperature; t > plan.final_temperature; t = plan.cooling * t) {
        examined += plan.moves_per_level;
        if (examined > most_examined)
            return -1;
    }
    return examined;
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

run_outcome run_once(const run_setup& setup, std::uint32_t seed)
{
    std::int32_t bits[problem_grid.bits];
    seed_random(seed);
    const std::int32_t start = random_solution(bits);
    float current = grid_objective(start);
    if (setup.method == study_method::sample)
        return best_of_samples(bits, {start, current}, examined_per_run(setup.plan));
    const move_rule rule =
        setup.method == study_method::climb ? move_rule::climb : move_rule::anneal;
    search_to({rule, setup.watch, setup.context, nullptr}, nullptr, problem_grid, setup.plan, bits,
              &current);
    return {bits_to_integer(bits, problem_grid.bits), current};
}

run_summary summarize(const std::vector<run_outcome>& outcomes)
{
    if (outcomes.empty())
        return {0, 0, 0};
    long above = 0;
    long at_best_point = 0;
    double sum = 0;
    for (const run_outcome& run : outcomes) {
        above += run.best_objective > success_threshold ? 1 : 0;
        at_best_point += run.k == grid_best_point ? 1 : 0;
        sum += run.best_objective;
    }
    const auto runs = static_cast<double>(outcomes.size());
    return {static_cast<double>(above) / runs, static_cast<double>(at_best_point) / runs,
            sum / runs};
}
