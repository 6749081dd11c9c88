// The search: its draws, its acceptance rule, its schedule, and whether it
// finds the known optimum from many starting points.

#include "anneal.h"
#include "c_style_search.h"
#include "encoding.h"
#include "objective.h"
#include "random.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double cooling = 0.97f; // the program's float constants, widened
constexpr double initial_temperature = 100.0f;
constexpr double final_temperature = 0.1f;
constexpr std::int32_t moves_per_level = bit_count / 2;

struct finished_search {
    std::vector<std::int32_t> bits; // the vector the search left
    float objective;                // the current objective it left
    std::string printed;
};

// One search with the program's parameters from grid point start, seeded.
finished_search search_from(std::int32_t start, std::uint32_t seed,
                            double initial = initial_temperature,
                            std::int32_t moves = moves_per_level)
{
    finished_search outcome{bits_of(start), grid_objective(start), ""};
    seed_random(seed);
    outcome.printed = captured([&](std::FILE* out) {
        anneal_to(out, bit_count, full_scale, outcome.bits.data(), &outcome.objective, cooling,
                  initial, final_temperature, moves, lower_bound, upper_bound);
    });
    return outcome;
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
    EXPECT_GE(shifted, -3.0);
    EXPECT_LT(shifted, 5.0);
}

TEST(uniform_draw, an_empty_interval_gives_its_bound_without_a_draw)
{
    seed_random(11);
    const std::uint32_t first = next_random();
    seed_random(11);
    EXPECT_EQ(uniform_between(0.5, 0.5), 0.5);
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

TEST(annealing_schedule, main_parameters_give_227_levels_of_8_moves)
{
    EXPECT_EQ(search_from(1000, 1).printed.find("analisadas = 1816 \n") != std::string::npos, true);
    EXPECT_EQ(search_reports(search_from(1000, 1, initial_temperature, 1).printed).at(0).examined,
              "227");
}

TEST(annealing_schedule, no_level_runs_when_the_start_is_not_above_the_end)
{
    const finished_search outcome = search_from(1000, 1, final_temperature);
    EXPECT_EQ(outcome.bits, bits_of(1000));
    const search_report report = search_reports(outcome.printed).at(0);
    EXPECT_EQ(report.examined, "0");
    EXPECT_EQ(report.best_x, report.start_x);
    EXPECT_EQ(report.best_objective, report.start_objective);
}

TEST(annealing_search, is_repeatable_and_its_report_matches_the_state_it_leaves)
{
    for (const std::int32_t start : {0, 30000, 48917, 100000, full_scale}) {
        const finished_search first = search_from(start, 99);
        const finished_search again = search_from(start, 99);
        EXPECT_EQ(first.printed, again.printed);
        EXPECT_EQ(first.bits, again.bits);

        const search_report report = search_reports(first.printed).at(0);
        const float left_x = static_cast<float>(
            decode_bits(first.bits.data(), full_scale, bit_count, lower_bound, upper_bound));
        EXPECT_EQ(report.start_x, formatted("%2f", grid_x(start)));
        EXPECT_EQ(report.best_x, formatted("%2f", left_x));
        EXPECT_EQ(report.best_objective, formatted("%3f", first.objective));
        // The objective is a running sum: it may drift, but only by rounding.
        EXPECT_NEAR(first.objective, objective(left_x), 1e-5);
        EXPECT_GE(first.objective, grid_objective(start));
    }
}

// The search keeps the current solution's integer value and objective from
// move to move; the plain reference decodes and evaluates both solutions of
// every move. Every printed byte, the vector and objective left behind and
// the draws taken must be the same, also where equal values meet (plateaus
// near the top, cold searches that linger there) and for an element holding 2.
TEST(annealing_search, matches_the_plain_arithmetic_byte_for_byte)
{
    std::vector<std::vector<std::int32_t>> starts = {bits_of(0), bits_of(full_scale)};
    for (std::int32_t k = 48905; k <= 48930; k += 3)
        starts.push_back(bits_of(k));
    for (const grid_peak& peak : grid_peaks())
        starts.push_back(bits_of(peak.k));
    for (const std::int32_t k : {48917, 48920, 70000, 100}) { // elements holding 2
        starts.push_back(bits_of(k));
        starts.back()[static_cast<std::size_t>(k % bit_count)] = 2;
    }
    // The program's schedule; cold ones; one so cold that even the rounding
    // left in a float objective is refused.
    const struct {
        double initial, final;
        std::int32_t moves;
    } schedules[] = {{initial_temperature, final_temperature, moves_per_level},
                     {0.5, final_temperature, 8},
                     {0.2, final_temperature, 40},
                     {1e-9, 1e-11, 4}};
    for (const auto& schedule : schedules)
        for (const std::vector<std::int32_t>& start : starts)
            for (std::uint32_t seed = 0; seed < 6; ++seed) {
                finished_search fast{start, -1.25f, ""}, plain{start, -1.25f, ""};
                seed_random(seed);
                fast.printed = captured([&](std::FILE* out) {
                    anneal_to(out, bit_count, full_scale, fast.bits.data(), &fast.objective,
                              cooling, schedule.initial, schedule.final, schedule.moves,
                              lower_bound, upper_bound);
                });
                const std::uint32_t fast_next = next_random();
                seed_random(seed);
                plain.printed = captured([&](std::FILE* out) {
                    c_style_anneal(out, bit_count, full_scale, plain.bits.data(), &plain.objective,
                                   cooling, schedule.initial, schedule.final, schedule.moves,
                                   lower_bound, upper_bound);
                });
                ASSERT_EQ(fast.printed, plain.printed) << seed;
                ASSERT_EQ(fast.bits, plain.bits);
                ASSERT_EQ(fast.objective, plain.objective);
                ASSERT_EQ(fast_next, next_random());
            }
}
