// The shapes of a schedule: the temperatures that the search and the exact
// engine run at are those of the formulas, and runs agree with the exact
// figures on shapes other than the program's, the time to target included.

#include "exact.h"
#include "presets.h"
#include "study.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace {
// T_k as each shape's formula states it, written out here on its own.
double formula_temperature(const schedule& plan, std::int32_t k)
{
    const double t0 = plan.initial_temperature;
    const double tf = plan.final_temperature;
    const double last = plan.levels - 1;
    switch (plan.shape) {
    case cooling_shape::geometric:
        return k == 0 ? t0 : plan.cooling * formula_temperature(plan, k - 1);
    case cooling_shape::linear:
        return t0 - (t0 - tf) * k / last;
    case cooling_shape::logarithmic:
        return t0 / (1 + (t0 / tf - 1) / std::log(plan.levels) * std::log(1 + k));
    case cooling_shape::fast:
        return t0 / (1 + (t0 / tf - 1) / last * k);
    }
    return 0;
}

void note_temperature(const move_report& move, void* context)
{
    static_cast<std::vector<double>*>(context)->push_back(move.temperature);
}

void note_level_temperature(const exact_level& level, void* context)
{
    static_cast<std::vector<double>*>(context)->push_back(level.temperature);
}

// The rows of a table that a tool prints, as fields; the comments left out.
std::vector<std::vector<std::string>> table_of(const std::string& command)
{
    const program_run run = run_command(tools + "/" + command, "");
    EXPECT_EQ(run.status, 0) << command << "\n" << run.errors;
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);)
        if (!line.starts_with('#')) {
            std::istringstream fields(line);
            rows.emplace_back();
            for (std::string field; std::getline(fields, field, '\t');)
                rows.back().push_back(field);
        }
    return rows;
}

// The standard error of a share of runs runs whose probability is p.
double standard_error(double p, double runs)
{
    return std::sqrt(p * (1 - p) / runs);
}
} // namespace

// A move of the search at level k, and the engine's level k, run at T_k of
// the formula; each shape runs its L levels from T0, and linear ends on Tf.
TEST(schedule_shapes, run_the_temperatures_of_their_formulas)
{
    const schedule plans[] = {{0.7f, 10.0f, 0.1f, 1},
                              {0, 10.0f, 0.1f, 1, cooling_shape::linear, 7},
                              {0, 100.0f, 0.1f, 1, cooling_shape::logarithmic, 9},
                              {0, 100.0f, 0.01f, 1, cooling_shape::fast, 5}};
    const std::int32_t levels[] = {13, 7, 9, 5};
    const landscape land = program_landscape();
    const std::vector<double> table = objective_table(land, coding::binary);
    for (std::size_t p = 0; p < std::size(plans); ++p) {
        const schedule& plan = plans[p];
        std::vector<double> search;
        run_once({study_method::anneal, plan, note_temperature, &search, &land, table.data(),
                  coding::binary},
                 3);
        std::vector<double> engine;
        exact_search(land, move_rule::climb, coding::binary, plan, 1, note_level_temperature,
                     &engine);
        ASSERT_EQ(search.size(), static_cast<std::size_t>(levels[p])) << p;
        ASSERT_EQ(engine, search) << p;
        for (std::int32_t k = 0; k < levels[p]; ++k)
            EXPECT_EQ(search[static_cast<std::size_t>(k)], formula_temperature(plan, k))
                << shape_names[static_cast<int>(plan.shape)] << " " << k;
        EXPECT_EQ(search.front(), plan.initial_temperature);
    }
    EXPECT_NEAR(formula_temperature(plans[1], 6), plans[1].final_temperature, 1e-14);
}

// Two independent computations of one fact: 3000 seeded runs on the linear
// and the logarithmic shape reach above 1.5 and the best point within 4
// standard errors of the engine's probabilities.
TEST(schedule_shapes, runs_agree_with_the_exact_probabilities)
{
    constexpr double runs = 3000;
    for (const cooling_shape shape : {cooling_shape::linear, cooling_shape::logarithmic}) {
        const schedule plan{0, 10.0f, 0.01f, 8, shape, 60};
        const std::string name = shape_names[static_cast<int>(shape)];
        const auto row = table_of("sinc-study --runs 3000 --initial 10 --final 0.01 --levels 60 "
                                  "--schedule " +
                                  name)
                             .at(1);
        ASSERT_EQ(row.at(1), name);
        ASSERT_EQ(row.at(5), "480");
        const exact_result exact = exact_search(program_landscape(), move_rule::anneal,
                                                coding::binary, plan, 2, nullptr, nullptr);
        EXPECT_NEAR(std::stod(row.at(7)), exact.above, 4 * standard_error(exact.above, runs))
            << name;
        EXPECT_NEAR(std::stod(row.at(8)), exact.at_maximum,
                    4 * standard_error(exact.at_maximum, runs))
            << name;
    }
}

// The time to target of 3000 runs of each method lies within 4 standard
// errors of the exact curve, at a few levels; its last row is the exact
// table's, and the runs' rows say the solutions examined as the exact ones.
TEST(schedule_shapes, the_time_to_target_of_runs_agrees_with_the_exact_one)
{
    const std::string plan = " --time-to-target --initial 10 --final 0.1 --schedule fast "
                             "--levels 40";
    const auto exact = table_of("sinc-study --exact" + plan);
    const auto runs = table_of("sinc-study --runs 3000" + plan);
    ASSERT_EQ(exact.size(), 41u);
    ASSERT_EQ(runs.size(), 41u);
    for (const std::size_t level : {1U, 5U, 12U, 25U, 40U}) {
        ASSERT_EQ(runs[level].at(1), exact[level].at(1));
        for (std::size_t method = 2; method < 5; ++method) {
            const double p = std::stod(exact[level].at(method));
            EXPECT_NEAR(std::stod(runs[level].at(method)), p, 4 * standard_error(p, 3000))
                << level << " " << method;
        }
    }
    const auto table = table_of("sinc-study --exact --method climb --initial 10 --final 0.1 "
                                "--schedule fast --levels 40");
    EXPECT_EQ(table.at(1).at(6), exact.back().at(3));
}
