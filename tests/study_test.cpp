// Sampling watched: the solutions sampled_solutions lists are the ones a
// sampling run draws, so their best is the run's, and the first is the
// start a search from the same seed moves from.

#include "presets.h"
#include "study.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
void note_first_start(const move_report& move, void* context)
{
    auto& start = *static_cast<std::int32_t*>(context);
    if (start < 0)
        start = move.from_k;
}
} // namespace

// Each seed's list, read one by one, keeps the best that run_once's batches
// of samples keep (the first of the highest), in both codes.
TEST(sampling, lists_the_solutions_a_sampling_run_draws)
{
    const landscape land = program_landscape();
    const schedule plans[] = {{0.97f, 100.0f, 0.1f, 8}, {0.9f, 10.0f, 1.0f, 3}};
    for (const coding code : {coding::binary, coding::gray}) {
        const std::vector<double> table = objective_table(land, code);
        for (const schedule& plan : plans)
            for (std::uint32_t seed = 1; seed <= 12; ++seed) {
                const std::int64_t count = examined_per_run(plan);
                const std::vector<std::int32_t> drawn = sampled_solutions(seed, count);
                ASSERT_EQ(static_cast<std::int64_t>(drawn.size()), count);
                const auto f = [&table](std::int32_t state) {
                    return static_cast<float>(table[static_cast<std::size_t>(state)]);
                };
                std::int32_t best = drawn[0];
                for (const std::int32_t state : drawn)
                    if (f(state) > f(best))
                        best = state;
                const run_outcome run = run_once(
                    {study_method::sample, plan, nullptr, nullptr, &land, table.data(), code},
                    seed);
                EXPECT_EQ(run.k, point_of(code, best)) << seed;
                EXPECT_EQ(run.best_objective, f(best)) << seed;
                std::int32_t start = -1;
                run_once({study_method::anneal, plan, note_first_start, &start, &land, table.data(),
                          code},
                         seed);
                EXPECT_EQ(start, drawn[0]) << seed;
            }
    }
    EXPECT_TRUE(sampled_solutions(1, 0).empty());
}
