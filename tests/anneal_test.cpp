// The search: its draws, its acceptance rule, its schedule, and that it does
// exactly what the plain arithmetic of a move does.

#include "anneal.h"
#include "c_style_search.h"
#include "encoding.h"
#include "landscape.h"
#include "objective.h"
#include "random.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr double cooling = 0.97f; // the program's float constants, widened
constexpr double initial_temperature = 100.0f;
constexpr double final_temperature = 0.1f;

using search_function = void (*)(std::FILE*, int, int, int*, float*, double, double, double, int,
                                 float, float);

struct finished_search {
    std::vector<std::int32_t> bits; // the vector the search left
    float objective;                // the current objective it left
    std::string printed;
    std::uint32_t next_draw; // the first draw after it
};

// One seeded search from start, whose current objective is objective.
finished_search search_from(std::vector<std::int32_t> start, float objective, std::uint32_t seed,
                            double initial = initial_temperature, double final = final_temperature,
                            std::int32_t moves = bit_count / 2, search_function search = anneal_to)
{
    finished_search done{std::move(start), objective, "", 0};
    seed_random(seed);
    done.printed = captured([&](std::FILE* out) {
        search(out, bit_count, full_scale, done.bits.data(), &done.objective, cooling, initial,
               final, moves, lower_bound, upper_bound);
    });
    done.next_draw = next_random();
    return done;
}

// The share of accepts_worse(delta, temperature) that accept, over draws tries.
double acceptance_rate(float delta, double temperature, int draws)
{
    int accepted = 0;
    for (int i = 0; i < draws; ++i)
        accepted += accepts_worse(delta, temperature) ? 1 : 0;
    return static_cast<double>(accepted) / draws;
}
} // namespace

TEST(uniform_draw, lies_on_the_ten_thousand_step_grid_of_the_interval)
{
    seed_random(3);
    double sum = 0;
    constexpr int draws = 100000;
    for (int i = 0; i < draws; ++i) {
        const double r = uniform_between(0.0, 1.0);
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_NEAR(r * 10000, std::round(r * 10000), 1e-6);
        sum += r;
    }
    EXPECT_NEAR(sum / draws, 0.49995, 0.005); // mean of the grid 0 .. 0.9999
    const double shifted = uniform_between(-3.0, 5.0);
    EXPECT_TRUE(shifted >= -3.0 && shifted < 5.0);
    seed_random(11);
    const std::uint32_t first = next_random();
    seed_random(11);
    EXPECT_EQ(uniform_between(0.5, 0.5), 0.5); // an empty interval: its bound, without a draw
    EXPECT_EQ(next_random(), first);
}

TEST(acceptance_rule, worse_moves_are_taken_with_probability_exp_delta_over_t)
{
    seed_random(5);
    constexpr int draws = 40000;
    const struct {
        float delta;
        double temperature;
    } cases[] = {{-0.1f, 100.0}, {-0.1f, 0.10243}, {-1.0f, 1.0},
                 {-0.5f, 0.25},  {-3.0f, 0.5},     {-0.1f, 1e-3}};
    for (const auto& c : cases) {
        // The draw r is k / 10000, so r < p for the ceil(10000 p) values of k
        // below 10000 p: even a hopeless move passes on a draw of 0.
        const double p = std::ceil(std::exp(c.delta / c.temperature) * 10000) / 10000;
        const double five_sigma = 5 * std::sqrt(p * (1 - p) / draws);
        EXPECT_NEAR(acceptance_rate(c.delta, c.temperature, draws), p, five_sigma)
            << c.delta << " at " << c.temperature;
    }
    EXPECT_EQ(acceptance_rate(0.0f, 0.10243, draws), 1.0); // a level move is always taken
}

// The search keeps the current solution's integer value and objective from
// move to move; the plain reference decodes and evaluates both solutions of
// every move. Everything printed and left, and the draws taken, must be the
// same: from plateaus near the top, from vectors holding a 2, on schedules
// so cold that the rounding left in a float objective is refused, and on
// one that runs no level. And what is printed must be what is left.
TEST(annealing_search, matches_the_plain_arithmetic_and_reports_what_it_leaves)
{
    std::vector<std::vector<std::int32_t>> starts = {bits_of(0), bits_of(full_scale)};
    for (std::int32_t k = 48905; k <= 48930; k += 3)
        starts.push_back(bits_of(k));
    for (const grid_peak& peak : grid_peaks())
        starts.push_back(bits_of(peak.k));
    for (const std::int32_t k : {48917, 48920, 70000, 100}) {
        starts.push_back(bits_of(k));
        starts.back()[static_cast<std::size_t>(k % bit_count)] = 2;
    }
    const struct {
        double initial, final;
        std::int32_t moves;
    } schedules[] = {{initial_temperature, final_temperature, 8},
                     {0.5, 0.1, 8},
                     {1e-9, 1e-11, 4},
                     {final_temperature, final_temperature, 8}};
    for (const auto& [initial, final, moves] : schedules)
        for (const std::vector<std::int32_t>& start : starts)
            for (std::uint32_t seed = 0; seed < 6; ++seed) {
                const float start_f = static_cast<float>(objective(static_cast<float>(
                    decode_bits(start.data(), full_scale, bit_count, lower_bound, upper_bound))));
                const float f = seed == 0 ? 1.25f : start_f; // not always f of the start
                const finished_search fast = search_from(start, f, seed, initial, final, moves);
                const finished_search plain =
                    search_from(start, f, seed, initial, final, moves, c_style_anneal);
                ASSERT_EQ(fast.printed, plain.printed) << seed;
                ASSERT_EQ(fast.bits, plain.bits);
                ASSERT_EQ(fast.objective, plain.objective);
                ASSERT_EQ(fast.next_draw, plain.next_draw);
                const std::vector<std::string> report = search_reports(fast.printed).at(0);
                const std::int32_t k = bits_to_integer(fast.bits.data(), bit_count);
                ASSERT_EQ(report[2], formatted("%2f", grid_x(k)));
                ASSERT_EQ(report[3], formatted("%3f", fast.objective));
                // A running sum drifts from f only by rounding, unless an
                // undone flip turned a 2 into a 1 behind its back.
                if (f == start_f && std::count(start.begin(), start.end(), 2) == 0) {
                    ASSERT_NEAR(fast.objective, grid_objective(k), 1e-5);
                    ASSERT_GE(fast.objective, f);
                }
            }
}
