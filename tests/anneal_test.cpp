// The search: its draws, its acceptance rule, and that it does exactly what
// the plain arithmetic of a move does.

#include "anneal.h"
#include "c_style_search.h"
#include "landscape.h"
#include "random.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

// A worse move is taken when exp(delta / T) beats the draw r = k / 10000,
// which it does for ceil(10000 exp(delta / T)) of the 10000 values of k:
// a move whose exp(delta / T) is above 0 passes on a draw of 0, and a level
// move always.
// Draws on other intervals lie on their grid of 10000 steps; an empty
// interval gives its bound without a draw.
TEST(acceptance_rule, worse_moves_are_taken_with_probability_exp_delta_over_t)
{
    seed_random(5);
    constexpr int draws = 40000;
    const double cases[][2] = {{-0.1, 100},  {-0.1, 0.10243}, {-1, 1}, {-3, 0.5},
                               {-0.1, 1e-3}, {-1, 1e-4},      {0, 0.1}}; // exp(-10000) is 0
    for (const auto& [delta, temperature] : cases) {
        int taken = 0;
        for (int i = 0; i < draws; ++i)
            taken += accepts_worse(static_cast<float>(delta), temperature) ? 1 : 0;
        const double p = std::ceil(std::exp(delta / temperature) * 10000) / 10000;
        EXPECT_NEAR(taken / double{draws}, p, 5 * std::sqrt(p * (1 - p) / draws) + 1e-12) << delta;
    }
    for (int i = 0; i < 1000; ++i) {
        const double step = (uniform_between(-3.0, 5.0) + 3.0) / 8.0 * 10000; // 0 .. 9999
        ASSERT_TRUE(step > -1e-6 && step < 9999 + 1e-6 && std::abs(step - std::round(step)) < 1e-6);
    }
    seed_random(5);
    const std::uint32_t first = next_random();
    seed_random(5);
    EXPECT_EQ(uniform_between(0.5, 0.5), 0.5);
    EXPECT_EQ(next_random(), first);
}

// The search keeps the current solution's integer value and objective from
// move to move; the plain reference decodes and evaluates both solutions of
// every move. Everything printed and left, and the draws taken, must be the
// same: from plateaus near the top, from vectors holding a 2, on the
// program's schedule, on one so cold that even the rounding left in a float
// objective is refused, and on one that runs no level.
TEST(annealing_search, matches_the_plain_arithmetic_byte_for_byte)
{
    std::vector<std::int32_t> starts = {0, full_scale, 48905, 48911, 48917, 48923, 48929};
    for (const grid_peak& peak : grid_peaks())
        starts.push_back(peak.k);
    const double schedules[][3] = {
        {100.0f, 0.1f, 8}, {0.5, 0.1, 8}, {1e-9, 1e-11, 4}, {0.1, 0.1, 8}};
    for (const auto& schedule : schedules)
        for (std::size_t i = 0; i < starts.size() + 4; ++i) // the last 4 hold a 2
            for (std::uint32_t seed = 0; seed < 6; ++seed) {
                // f(1224) is exactly a float: flipping its 2 changes f by exactly 0.
                const std::int32_t k = i < starts.size() ? starts[i] : 1224;
                std::vector<std::int32_t> start(bit_count);
                grid_bits_of(k, start.data());
                if (i >= starts.size())
                    start[i - starts.size()] = 2;
                const float f = seed == 0 ? 1.25f : grid_objective(k); // not always f of the start
                // What a search prints and leaves, and the draw after it.
                auto run = [&](auto search) {
                    std::vector<std::int32_t> bits = start;
                    float objective = f;
                    seed_random(seed);
                    const std::string printed = captured([&](std::FILE* out) {
                        search(out, bit_count, full_scale, bits.data(), &objective, 0.97f,
                               schedule[0], schedule[1], static_cast<std::int32_t>(schedule[2]),
                               lower_bound, upper_bound);
                    });
                    return std::tuple(printed, bits, objective, next_random());
                };
                ASSERT_EQ(run(anneal_to), run(c_style_anneal)) << seed;
            }
}
