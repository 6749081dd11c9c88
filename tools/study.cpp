#include "study.h"

#include "encoding.h"
#include "landscape.h"
#include "problem.h"
#include "random.h"

namespace {
// Draws a random solution as option 1 does; returns its integer value.
std::int32_t random_solution(std::int32_t* bits)
{
    fill_random_bits(bits, problem_bits);
    return bits_to_integer(bits, problem_bits);
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

run_outcome run_once(const run_setup& setup, std::uint32_t seed)
{
    std::int32_t bits[problem_bits];
    seed_random(seed);
    const std::int32_t start = random_solution(bits);
    float current = grid_objective(start);
    if (setup.method == study_method::sample)
        return best_of_samples(bits, {start, current}, examined_per_run(setup.plan));
    const move_rule rule =
        setup.method == study_method::climb ? move_rule::climb : move_rule::anneal;
    const schedule& plan = setup.plan;
    search_to({rule, setup.watch, setup.context}, setup.sink, problem_bits, problem_full_scale,
              bits, &current, plan.cooling, plan.initial_temperature, plan.final_temperature,
              plan.moves_per_level, problem_lower, problem_upper);
    return {bits_to_integer(bits, problem_bits), current};
}
