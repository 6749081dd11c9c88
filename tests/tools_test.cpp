// The teaching tools, against facts that do not come from their own code.

#include "landscape.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {
// The rows of a tab-separated table, each a list of fields.
std::vector<std::vector<std::string>> table(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');)
            rows.back().push_back(field);
    }
    return rows;
}

// The table that sinc-study prints for arguments, checking that it ran cleanly.
std::vector<std::vector<std::string>> study(const std::string& arguments)
{
    const program_run run = run_command(TOOLS "/sinc-study " + arguments, "");
    EXPECT_EQ(run.status, 0) << arguments << "\n" << run.errors;
    EXPECT_EQ(run.errors, "");
    return table(run.output);
}

// The share of runs above 1.5 in the row of a one-row table.
double above_1_5(const std::vector<std::vector<std::string>>& rows)
{
    EXPECT_EQ(rows.at(0).at(7), "above_1_5");
    return std::stod(rows.at(1).at(7));
}
} // namespace

TEST(landscape_tool, every_peak_lies_in_its_own_basin)
{
    const std::vector<grid_peak> peaks = grid_peaks();
    const std::vector<std::int32_t> basins = grid_basins(peaks);
    ASSERT_EQ(basins.size(), 131072u);
    for (std::size_t i = 0; i < peaks.size(); ++i)
        EXPECT_EQ(basins[static_cast<std::size_t>(peaks[i].k)], static_cast<std::int32_t>(i));
    EXPECT_EQ(basins[48917 - 5000], 0); // the global maximum's basin reaches far to either side
    EXPECT_EQ(basins[48917 + 5000], 0);
}

// On the program's schedule, a hill-climber ends above 1.5 far less often
// than annealing, which nearly always does.
TEST(study_tool, climbing_ends_above_1_5_far_less_often_than_annealing)
{
    const double anneal = above_1_5(study("--runs 300"));
    EXPECT_GE(anneal, 0.9);
    EXPECT_LE(above_1_5(study("--runs 300 --method climb")), anneal - 0.3);
}

// Sampling b random points finds one of the m grid points above 1.5 with
// probability 1 - (1 - m / 131072)^b. One move a level gives b = 227.
TEST(study_tool, sampling_succeeds_as_often_as_the_formula_says)
{
    int m = 0;
    for (std::int32_t k = 0; k <= full_scale; ++k)
        m += grid_objective(k) > 1.5f ? 1 : 0;
    const std::vector<std::vector<std::string>> rows =
        study("--method sample --moves 1 --runs 3000");
    ASSERT_EQ(rows.at(1).at(5), "227");
    const double p = 1 - std::pow(1 - m / 131072.0, 227);
    EXPECT_NEAR(above_1_5(rows), p, 4 * std::sqrt(p * (1 - p) / 3000));
}

// The same command prints the same figures; a trace follows the schedule,
// T = 100 * 0.97^level, and ends on the best objective that its run reports.
TEST(study_tool, seeded_runs_repeat_and_the_trace_agrees_with_the_table)
{
    EXPECT_EQ(study("--sweep --runs 2 --seed 7"), study("--sweep --runs 2 --seed 7"));
    EXPECT_EQ(study("--sweep --runs 2 --seed 7").size(), 1u + 3 * 36);
    const std::vector<std::vector<std::string>> trace = study("--trace --seed 5");
    ASSERT_EQ(trace.size(), 1u + 227);
    for (std::size_t level = 1; level < trace.size(); level += 45)
        EXPECT_NEAR(std::stod(trace[level][2]), 100 * std::pow(0.97f, level - 1), 1e-3);
    EXPECT_EQ(trace.back()[6], study("--runs 1 --seed 5").at(1).at(9));
}

// Bad arguments: one line saying what is wrong, the usage, status 2.
TEST(study_tool, rejects_bad_arguments_with_status_2)
{
    for (const char* arguments :
         {"--bogus", "--cooling 1", "--cooling 0", "--cooling x", "--runs 0", "--moves 0",
          "--runs 5x", "--method best", "--initial 0.1", "--final -1",
          "--cooling 0.999999 --final 1e-30", "--trace --method sample", "--sweep --trace",
          "--initial nan", "stray"}) {
        const program_run run = run_command(TOOLS "/sinc-study " + std::string(arguments), "");
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.errors.find("\nusage: sinc-study"), run.errors.find('\n')) << arguments;
    }
    EXPECT_EQ(study("--help").at(0).at(0), "usage: sinc-study [options]");
}

// Output that cannot be written is an error for the tools too.
TEST(study_tool, lost_output_ends_with_status_1)
{
    for (const char* tool : {"/sinc-study --runs 1", "/sinc-landscape", "/sinc-reliability 1"}) {
        const program_run run = run_command(TOOLS + std::string(tool) + " > /dev/full", "");
        EXPECT_EQ(run.status, 1) << tool;
        EXPECT_NE(run.errors.find("error writing standard output"), std::string::npos);
    }
}
