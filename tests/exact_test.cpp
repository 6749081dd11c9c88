// The exact engine: it gives the distributions of the plain chain, counts
// the draws that take a move as a count of every draw would, keeps every
// probability whatever the thread count, and at a fixed temperature settles
// on the Boltzmann distribution.

#include "exact.h"
#include "exact_engine.h"
#include "plain_chain.h"
#include "presets.h"
#include "problem.h"
#include "study.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <tuple>
#include <vector>

namespace {
struct level_record {
    std::vector<double> figures; // per level: P(above), P(at maximum), then current
    double worst_loss = 0.0;     // the largest |1 - total| of any chain at any level
    double last_distance = 1.0;
};

void record(const exact_level& level, void* context)
{
    auto& seen = *static_cast<level_record*>(context);
    const auto total = [](const double* p) { return std::accumulate(p, p + grid_points, 0.0); };
    seen.worst_loss = std::max({seen.worst_loss, std::abs(1.0 - total(level.current)),
                                std::abs(1.0 - level.above - total(level.never_above)),
                                std::abs(1.0 - level.at_maximum - total(level.never_at_maximum))});
    seen.figures.push_back(level.above);
    seen.figures.push_back(level.at_maximum);
    seen.figures.insert(seen.figures.end(), level.current, level.current + grid_points);
    seen.last_distance = boltzmann_distance(level.current, level.objective, level.temperature);
}
} // namespace

TEST(exact_search, keeps_every_probability_and_ignores_the_thread_count)
{
    const schedule plan{0.5, 1.0, 0.1, 8}; // 4 levels, cooling fast
    level_record one;
    level_record two;
    const exact_result result =
        exact_search(program_land(), move_rule::anneal, coding::binary, plan, 1, record, &one);
    exact_search(program_land(), move_rule::anneal, coding::binary, plan, 2, record, &two);
    EXPECT_EQ(result.levels, 4);
    EXPECT_LT(one.worst_loss, 1e-12);
    EXPECT_EQ(one.figures, two.figures); // bit for bit
    EXPECT_NEAR(std::accumulate(result.basins.begin(), result.basins.end(), 0.0), 1.0, 1e-12);
}

TEST(exact_search, settles_on_the_boltzmann_distribution_at_a_fixed_temperature)
{
    const schedule plan{1.0 - 1e-9, 1.0, 1.0 - 1.45e-8, 8}; // 15 levels at T = 1
    level_record seen;
    exact_search(program_land(), move_rule::anneal, coding::binary, plan, 2, record, &seen);
    // Not 0: the draws take a worse move with probability ceil(10000 exp(delta / T)) / 10000.
    EXPECT_LT(seen.last_distance, 1e-4);
}

namespace {
// What the engine gave and the plain chain gives after each level.
struct chain_check {
    const std::vector<double>& f;
    move_rule rule;
    std::int32_t moves;
    plain_chain plain;
    double worst = 0.0; // the largest relative difference
    coding code = coding::binary;
};

void compare_with_plain_chain(const exact_level& level, void* context)
{
    auto& check = *static_cast<chain_check*>(context);
    plain_level(check.plain, check.f, check.rule == move_rule::anneal, level.temperature,
                check.moves);
    const double* engine[] = {level.current, level.never_above, level.never_at_maximum};
    const auto differ = [&check](double a, double b) {
        const double apart = std::abs(a - b) / std::max(std::abs(b), 1e-300);
        check.worst = std::max(check.worst, a == b ? 0.0 : apart);
    };
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t s = 0; s < check.f.size();
             ++s) // the engine's by point, the plain's by state
            differ(engine[c][point_of(check.code, static_cast<std::int32_t>(s))],
                   check.plain.now[c][s]);
    differ(level.above, check.plain.held[1]);
    differ(level.at_maximum, check.plain.held[2]);
}

// Counts the draws s / 10000 that exp(delta / T) is above, one at a time,
// as accepts_worse compares them.
float count_every_draw(float delta, double temperature)
{
    float taking = 0.0f;
    for (std::uint32_t s = 0; s < 10000; ++s)
        taking += std::exp(delta / temperature) > static_cast<double>(s) / 10000 ? 1.0f : 0.0f;
    return taking;
}

// The largest loss of a move on the grid.
float largest_loss()
{
    const std::vector<double> f = objective_table(program_land(), coding::binary);
    float loss = 0.0f;
    for (std::size_t k = 0; k < f.size(); ++k)
        for (std::size_t bit = 0; bit < 17; ++bit)
            loss =
                std::min(loss, static_cast<float>(static_cast<float>(f[k ^ (1U << bit)]) - f[k]));
    return loss;
}

// Returns a temperature at which exp(delta / T) is exactly the draw s / 10000
// (found for draws above 1 / e, where a step of T moves exp by an ulp at most).
double temperature_on_draw(float delta, std::uint32_t s)
{
    const double draw = static_cast<double>(s) / 10000;
    double T = delta / std::log(draw);
    for (int step = 0; step < 4096 && std::exp(delta / T) != draw; ++step)
        T = std::nextafter(T, std::exp(delta / T) < draw ? 1e9 : 0.0);
    return T;
}
} // namespace

TEST(draws_taking, counts_the_draws_as_a_count_of_every_draw_does)
{
    std::vector<float> deltas = {0.0f, -1e-45f, -1e-7f, -1e-5f, largest_loss()};
    for (double loss = 1e-4; loss < 1.3; loss *= 1.4)
        deltas.push_back(static_cast<float>(-loss));
    for (const double T : {100.0, 3.0, 1.0, 0.5, 0.10243, 0.01, 1e-3})
        for (const float delta : deltas)
            EXPECT_EQ(draws_taking(delta, T), count_every_draw(delta, T)) << delta << " " << T;
    // exp(delta / T) on a draw does not beat it: the draws below it take the move.
    for (const std::uint32_t s : {3700U, 5000U, 6065U, 7777U, 9000U, 9998U, 9999U}) {
        const double T = temperature_on_draw(-0.75f, s);
        ASSERT_EQ(std::exp(-0.75f / T), static_cast<double>(s) / 10000) << s;
        EXPECT_EQ(draws_taking(-0.75f, T), static_cast<float>(s));
        EXPECT_EQ(count_every_draw(-0.75f, T), static_cast<float>(s));
    }
}

// On the program's function and on two others, one of them with two best
// points (-x^2 is the same at the two middle points of the grid), one read
// in Gray code: every distribution of every level, and the two figures.
TEST(exact_search, gives_the_plain_chains_distributions_at_every_level)
{
    const std::tuple<const char*, const char*, std::int32_t, coding> functions[] = {
        {nullptr, nullptr, 1, coding::binary},
        {"-x^2", "-2,2", 2, coding::gray},
        {"sin(5*x) + x/3", "-1,3", 4, coding::binary}};
    const schedule plan{0.5, 1.0, 0.1, 2}; // 4 levels, from T = 1 to 0.125
    for (const auto& [function, interval, best, code] : functions) {
        landscape land;
        ASSERT_EQ(build_landscape({nullptr, function, interval, false, 0}, &land).field, nullptr);
        ASSERT_EQ(best_points(land), best) << function;
        for (const move_rule rule : {move_rule::anneal, move_rule::climb}) {
            const std::vector<double> f = objective_table(land, code);
            chain_check check{f,   rule, plan.moves_per_level, plain_start(f, land.target),
                              0.0, code};
            EXPECT_EQ(
                exact_search(land, rule, code, plan, 2, compare_with_plain_chain, &check).levels,
                4);
            EXPECT_LT(check.worst, 1e-12) << (function ? function : "") << static_cast<int>(rule);
        }
    }
}

// On every other shape of schedule, 4 levels from T = 1 down to 0.125.
TEST(exact_search, gives_the_plain_chains_distributions_on_every_shape)
{
    const landscape land = program_landscape();
    const std::vector<double> f = objective_table(land, coding::binary);
    const schedule plans[] = {{0, 1.0, 0.125, 2, cooling_shape::linear, 4},
                              {0, 1.0, 0.125, 2, cooling_shape::logarithmic, 4},
                              {0, 1.0, 0.125, 2, cooling_shape::fast, 4}};
    for (const schedule& plan : plans) {
        chain_check check{f,   move_rule::anneal, plan.moves_per_level, plain_start(f, land.target),
                          0.0, coding::binary};
        EXPECT_EQ(exact_search(land, move_rule::anneal, coding::binary, plan, 2,
                               compare_with_plain_chain, &check)
                      .levels,
                  4);
        EXPECT_LT(check.worst, 1e-12) << shape_names[static_cast<int>(plan.shape)];
    }
}

// The levels of a schedule are counted once, in schedule.h; the search, the
// study and the engine all run that many.
TEST(schedule_levels, are_those_the_search_the_study_and_the_engine_run)
{
    const std::pair<schedule, std::int64_t> cases[] = {
        {problem_schedule, 227},
        {{0.5, 1.0, 0.1, 3}, 4},
        {{0.9, 1.0, 1.0, 2}, 0},
        {{0.99, 10.0, 9.0, 1}, 11},
        {{0, 10.0, 0.1, 2, cooling_shape::fast, 2}, 2},
        {{0, 10.0, 0.0, 2, cooling_shape::fast, 5}, 0},
        {{0, 1.0, 2.0, 2, cooling_shape::linear, 5}, 0},
        {{0, 1.0, 1.0, 2, cooling_shape::linear, 5}, 0}};
    for (const auto& [plan, levels] : cases) {
        EXPECT_EQ(level_count(plan, 1000), levels);
        EXPECT_EQ(examined_per_run(plan), levels * plan.moves_per_level);
        std::int64_t moves = 0;
        const auto count = [](const move_report&, void* context) {
            ++*static_cast<std::int64_t*>(context);
        };
        run_once({study_method::anneal, plan, count, &moves, &program_land(),
                  program_land().objective.data(), coding::binary},
                 1);
        EXPECT_EQ(moves, levels * plan.moves_per_level);
    }
    EXPECT_EQ(exact_search(program_land(), move_rule::climb, coding::binary, {0.5, 1.0, 0.1, 1}, 1,
                           nullptr, nullptr)
                  .levels,
              4);
}
