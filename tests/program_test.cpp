// The built programs run as a user's pipe would: whole dialogues through
// sinc-anneal, and sinc-study against facts that do not come from its code.

#include "coding.h"
#include "exact.h"
#include "landscape.h"
#include "objective.h"
#include "presets.h"
#include "problem.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <sstream>
#include <thread>
#include <tuple>

namespace {
// The output of a dialogue that must end cleanly by itself.
std::string dialogue(const std::string& input)
{
    const program_run run = run_command(program, input);
    EXPECT_EQ(run.stopped, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    return run.output;
}

// Option 1's report. Its groups: the bits, x and f.
const std::regex random_report("Solucao aleatoria: v = \\[((?:[01] ){16}[01])\\]\n"
                               "valor de x = (\\S+) \nfuncao objetivo = (\\S+) \n");

// Every match of pattern in text.
std::vector<std::smatch> matches(const std::string& text, const std::regex& pattern)
{
    return {std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()};
}
// The table that sinc-study prints for arguments, as rows of fields.
std::vector<std::vector<std::string>> study(const std::string& arguments)
{
    const program_run run = run_command(tools + "/sinc-study " + arguments, "");
    EXPECT_EQ(run.status, 0) << arguments << "\n" << run.errors;
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(run.output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');)
            rows.back().push_back(field);
    }
    return rows;
}
} // namespace

// Each NAME.in in tests/dialogues, typed at the program, prints exactly
// NAME.out. A program that printed menus without end would be stopped.
TEST(dialogue, golden_files)
{
    EXPECT_EQ(run_command("yes", "").stopped, "printed more than 1 MiB");
    for (const auto& file : std::filesystem::directory_iterator(DIALOGUES))
        if (file.path().extension() == ".in") {
            EXPECT_EQ(dialogue(file_contents(file.path())),
                      file_contents(std::filesystem::path(file).replace_extension(".out")))
                << file.path().filename();
        }
}

// Two random solutions in a row differ, and their x and f are those of their
// bits. Option 2 searches from the current one, and a second search
// continues from the best of the first; each examines 227 levels of 8 moves.
// The source is seeded from the clock in whole seconds: a start a second
// later draws anew, and two starts within one second draw alike.
TEST(dialogue, random_solutions_and_searches_from_them)
{
    const std::string output = dialogue("1\n1\n2\n2\n0\n");
    const std::vector<std::smatch> solutions = matches(output, random_report);
    const std::vector<std::smatch> searches = matches(output, search_report);
    ASSERT_EQ(solutions.size(), 2u);
    ASSERT_EQ(searches.size(), 2u);
    for (const std::smatch& solution : solutions) {
        const std::string bits = std::regex_replace(solution.str(1), std::regex(" "), "");
        const auto x = static_cast<float>(-2.0 + 4.0 * std::stoi(bits, nullptr, 2) / full_scale);
        EXPECT_EQ(solution.str(2), std::to_string(x));
        EXPECT_EQ(solution.str(3), std::to_string(static_cast<float>(objective(x))));
    }
    EXPECT_NE(solutions[0].str(1), solutions[1].str(1));
    EXPECT_EQ(searches[0].str(1), solutions[1].str(3)); // from the current solution
    EXPECT_EQ(searches[0].str(2), solutions[1].str(2));
    EXPECT_EQ(searches[1].str(1), searches[0].str(4)); // from the best of the first
    EXPECT_EQ(searches[1].str(2), searches[0].str(3));
    EXPECT_EQ(searches[0].str(5), "1816");
    EXPECT_EQ(searches[1].str(5), "1816");
    const std::string menu = file_contents(DIALOGUES "/quit_at_once.out");
    const std::string rest = std::regex_replace(output, random_report, "");
    EXPECT_EQ(std::regex_replace(rest, search_report, ""), menu + menu + menu + menu + menu);
    for (const std::time_t now = std::time(nullptr); std::time(nullptr) == now;)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::time_t second = std::time(nullptr);
    const std::string later = dialogue("1\n0\n");
    const std::string again = dialogue("1\n0\n");
    EXPECT_NE(matches(later, random_report).at(0).str(1), solutions[0].str(1));
    if (std::time(nullptr) == second) { // two starts within one second draw alike
        EXPECT_EQ(matches(again, random_report).at(0).str(1),
                  matches(later, random_report).at(0).str(1));
    }
}

// Every objective a search prints is f of the x printed beside it, to the
// last digit, over a long chain of searches and over many fresh ones; none
// is above f at the grid's best point. f is taken at the grid point that the
// printed x rounds to, as the objective's own test holds it to the formula.
TEST(dialogue, every_printed_objective_is_f_of_its_x)
{
    constexpr int searches = 300;
    std::string chain = "1\n";
    std::string fresh;
    for (int i = 0; i < searches; ++i) {
        chain += "2\n";
        fresh += "1\n2\n";
    }
    const std::string top = std::to_string(grid_objective(program_land(), program_best_point));
    for (const std::string& input : {chain + "0\n", fresh + "0\n"}) {
        std::istringstream lines(dialogue(input));
        int reports = 0;
        for (std::string line, x, f; std::getline(lines, line);)
            if (line.starts_with("********* Melhor") && std::getline(lines, x) &&
                std::getline(lines, f)) {
                ++reports;
                x = x.substr(x.find('=') + 2, x.size() - x.find('=') - 3); // "valor de x = X "
                f = f.substr(f.find('=') + 2, f.size() - f.find('=') - 3);
                const auto k =
                    static_cast<std::int32_t>(std::lround((std::stod(x) + 2) * full_scale / 4));
                ASSERT_EQ(x, std::to_string(grid_x(program_land(), k)));
                ASSERT_EQ(f, std::to_string(grid_objective(program_land(), k))) << x;
                ASSERT_LE(std::stod(f), std::stod(top));
            }
        EXPECT_EQ(reports, searches);
    }
}

// Input that cannot be read is an error, not the end of input.
TEST(dialogue, unreadable_input_ends_with_status_1_and_a_message)
{
    const program_run run = run_command("sh -c \"" + program + " < /\"", "");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "sinc-anneal: error reading standard input: Is a directory\n");
}

// Output that cannot be written is an error, for the program and the tools.
TEST(dialogue, lost_output_ends_with_status_1_and_a_message)
{
    for (const std::string& command :
         {program, tools + "/sinc-study --runs 1", tools + "/sinc-landscape",
          tools + "/sinc-reliability --runs 1"}) {
        const program_run run = run_command(command + " > /dev/full", "1\n2\n0\n");
        EXPECT_EQ(run.status, 1) << command;
        EXPECT_TRUE(
            std::regex_match(run.errors, std::regex("sinc-[a-z]+: error writing standard "
                                                    "output(: No space left on device)?\n")))
            << run.errors;
    }
}

// Sampling b random points finds one of the m grid points above 1.5 with
// probability 1 - (1 - m / 131072)^b; one move a level gives b = 227. Its
// runs follow the formula, and so does its exact figure. The table's
// columns are those the pictures read by name.
TEST(study_tool, sampling_follows_its_formula)
{
    int m = 0;
    for (std::int32_t k = 0; k <= full_scale; ++k)
        m += grid_objective(program_land(), k) > 1.5f ? 1 : 0;
    const double p = 1 - std::pow(1 - m / 131072.0, 227);
    const auto sample = study("--method sample --moves 1 --runs 3000");
    EXPECT_EQ(sample.at(0), (std::vector<std::string>{"method", "cooling", "initial", "final",
                                                      "moves", "examined", "runs", "above_1_5",
                                                      "reached_best", "mean_best"}));
    ASSERT_EQ(sample.at(1).at(5), "227");
    EXPECT_NEAR(std::stod(sample[1].at(7)), p, 4 * std::sqrt(p * (1 - p) / 3000));
    EXPECT_NEAR(std::stod(study("--exact --method sample --moves 1").at(1).at(6)), p, 1e-9);
}

// Two independent computations of one fact: the shares of 3000 seeded runs
// that end above the target and on a best point lie within 4 standard
// errors of the exact probabilities, for annealing and climbing, on the
// program's schedule and on a short cold one, and on a preset, with the
// bits read in either code.
// How a code shows in the name of a test.
void PrintTo(coding code, std::ostream* out)
{
    *out << coding_names[static_cast<int>(code)];
}

class runs_agree_with_the_exact_probabilities : public testing::TestWithParam<coding> {};

TEST_P(runs_agree_with_the_exact_probabilities, in_this_code)
{
    constexpr double runs = 3000;
    const std::string code = std::string(" --coding ") + coding_names[static_cast<int>(GetParam())];
    landscape funnel;
    ASSERT_EQ(build_landscape({"funnel", nullptr, nullptr, false, 0}, &funnel).field, nullptr);
    const std::tuple<std::string, schedule, const landscape*> schedules[] = {
        {"--runs 3000", problem_schedule, &program_land()},
        {"--runs 3000 --initial 1 --final 0.01 --cooling 0.9",
         {0.9f, 1.0, 0.01f, 8},
         &program_land()},
        {"--runs 3000 --landscape funnel --initial 20 --final 0.5 --cooling 0.9",
         {0.9f, 20.0, 0.5f, 8},
         &funnel}};
    for (const auto& [arguments, plan, land] : schedules)
        for (const move_rule rule : {move_rule::anneal, move_rule::climb}) {
            const std::string method =
                (rule == move_rule::anneal ? " --method anneal" : " --method climb") + code;
            const auto row = study(arguments + method).at(1);
            const exact_result exact =
                exact_search(*land, rule, GetParam(), plan, 2, nullptr, nullptr);
            for (const auto& [column, p] :
                 {std::pair{std::size_t{7}, exact.above}, {8, exact.at_maximum}})
                EXPECT_NEAR(std::stod(row.at(column)), p,
                            4 * std::sqrt(p * (1 - p) / runs) + 1 / runs)
                    << method << " " << arguments << " column " << column;
        }
}

INSTANTIATE_TEST_SUITE_P(study_tool, runs_agree_with_the_exact_probabilities,
                         testing::Values(coding::binary, coding::gray),
                         [](const testing::TestParamInfo<coding>& code) {
                             return std::string(coding_names[static_cast<int>(code.param)]);
                         });

// The trace of every move agrees with the level trace of the same seed: the
// same current and best at the end of each level. Each move starts where the
// last one left the search, flips the bit it names in the vector that
// stands for x_before in its code, and is taken when it improves or when
// exp(delta / T) is above its draw.
TEST(study_tool, the_trace_of_every_move_agrees_with_the_level_trace)
{
    const auto state = [](coding code, const std::string& x) {
        return state_of(
            code, static_cast<std::int32_t>(std::lround((std::stod(x) + 2) * full_scale / 4)));
    };
    for (const coding code : {coding::binary, coding::gray}) {
        const std::string arguments =
            std::string("--trace --seed 5 --coding ") + coding_names[static_cast<int>(code)];
        const auto levels = study(arguments);
        const auto moves = study(arguments + " --every-move");
        ASSERT_EQ(moves.size(), 1u + 1816);
        std::string now = moves[1].at(4);
        for (std::size_t i = 1; i < moves.size(); ++i) {
            const std::vector<std::string>& move = moves[i];
            ASSERT_EQ(move.at(4), now) << i;
            const bool taken = move.at(9) == "yes";
            const bool improves = std::stod(move[6]) > 0;
            ASSERT_EQ(taken, improves || std::stod(move[7]) > std::stod(move[8])) << i;
            ASSERT_EQ(move[8] == "-", improves) << i;
            ASSERT_EQ(state(code, move[4]) ^ state(code, move[5]), 1 << (16 - std::stoi(move[3])));
            now = taken ? move[5] : move[4];
            if (i % 8 == 0) {
                const std::vector<std::string>& level = levels.at(i / 8);
                ASSERT_EQ(level.at(1), move[1]);
                EXPECT_EQ((std::vector{level[3], level[5], level[6]}),
                          (std::vector{now, move[10], move[11]}))
                    << i;
            }
        }
    }
}

// The same command prints the same figures, on one thread or more; a sweep
// of one method prints that method's rows of the whole sweep. A trace
// follows the schedule, T = 100 * 0.97^(level - 1), and ends on the best
// objective of its run.
// --every-point prints f at every grid point to the last bit: read back, the
// first, the best and the last point give the doubles the landscape holds,
// for a preset stated by its expression; and there is a line for each point.
TEST(landscape_tool, every_point_reads_back_as_the_landscape)
{
    landscape decoy;
    ASSERT_EQ(build_landscape({"decoy", nullptr, nullptr, false, 0}, &decoy).field, nullptr);
    const program_run run = run_command("sh -c \"" + tools +
                                            "/sinc-landscape --every-point --landscape decoy | "
                                            "sed -n '2p;48919p;\\$p;\\$='\"",
                                        "");
    std::istringstream lines(run.output);
    for (const std::int32_t k : {0, program_best_point, full_scale}) {
        std::int32_t read_k = -1;
        double x = 0;
        double f = 0;
        lines >> read_k >> x >> f;
        EXPECT_EQ(read_k, k);
        EXPECT_EQ(x, static_cast<double>(grid_x(decoy, k))) << k;
        EXPECT_EQ(f, decoy.objective[static_cast<std::size_t>(k)]) << k;
    }
    std::int32_t count = 0;
    lines >> count;
    EXPECT_EQ(count, full_scale + 2); // the comment line and every point
}

TEST(study_tool, seeded_runs_repeat_and_the_trace_agrees_with_the_table)
{
    const auto sweep = study("--sweep --runs 3 --seed 7 --threads 1");
    EXPECT_EQ(sweep.size(), 1u + 3 * 36);
    EXPECT_EQ(study("--sweep --runs 3 --seed 7 --threads 2"), sweep);
    std::vector<std::vector<std::string>> climbs{sweep[0]};
    std::copy_if(sweep.begin(), sweep.end(), std::back_inserter(climbs),
                 [](const auto& row) { return row[0] == "climb"; });
    EXPECT_EQ(study("--sweep --method climb --runs 3 --seed 7"), climbs);
    const std::string reliability = tools + "/sinc-reliability --runs 50 --threads ";
    EXPECT_EQ(run_command(reliability + "1", "").output, run_command(reliability + "3", "").output);
    const auto trace = study("--trace --seed 5");
    ASSERT_EQ(trace.size(), 1u + 227);
    for (std::size_t level = 1; level < trace.size(); level += 45)
        EXPECT_NEAR(std::stod(trace[level][2]), 100 * std::pow(0.97f, level - 1), 1e-3);
    EXPECT_EQ(trace.back()[6], study("--runs 1 --seed 5").at(1).at(9));
}

// Seeded runs print exactly the files kept in tests/golden, whatever the
// compiler and the machine: every digit there is pinned down step by step.
TEST(study_tool, seeded_runs_print_the_golden_files)
{
    std::istringstream cases(file_contents(GOLDEN "/cases"));
    int compared = 0;
    for (std::string name, command; cases >> name && std::getline(cases, command);)
        if (!name.starts_with('#')) {
            const program_run run = run_command(tools + "/" + command.substr(1), "");
            EXPECT_EQ(run.status, 0) << command;
            EXPECT_TRUE(run.output == file_contents(GOLDEN "/" + name + ".out")) << command;
            ++compared;
        }
    EXPECT_EQ(compared, 6);
}

// Bad arguments: status 2 and one line on standard error that says what is
// wrong, in one wording for each kind of error across the tools; options
// that a mode would not use are refused with it. --help and --version answer
// with status 0, the help within 80 columns.
TEST(study_tool, tools_reject_bad_arguments_with_status_2)
{
    const std::pair<const char*, const char*> cases[] = {
        {"study --bogus", "not understood: --bogus"},
        {"study x", "not understood: x"},
        {"landscape --runs 5", "not understood: --runs 5"},
        {"reliability 1e3", "not understood: 1e3"},
        {"study --runs", "--runs needs a value"},
        {"study --runs --exact", "--runs needs a value"},
        {"study --cooling ''", "--cooling needs a value"},
        {"study --runs 5 --runs 6", "--runs is given more than once"},
        {"study --sweep=0", "--sweep takes no value"},
        {"study --runs abc", "--runs must be a whole number, not abc"},
        {"study --runs 1e3", "--runs must be a whole number, not 1e3"},
        {"study --runs 0x10", "--runs must be a whole number, not 0x10"},
        {"reliability --runs 10abc", "--runs must be a whole number, not 10abc"},
        {"study --moves 1.5", "--moves must be a whole number, not 1.5"},
        {"reliability --threads x", "--threads must be a whole number, not x"},
        {"study --runs 0", "--runs must be from 1 to 1000000, not 0"},
        {"reliability --runs 4294967297", "--runs must be from 1 to 1000000, not 4294967297"},
        {"study --moves 0", "--moves must be from 1 to 10000000, not 0"},
        {"study --seed -1", "--seed must be from 0 to 4294967295, not -1"},
        {"study --threads 0", "--threads must be from 1 to 256, not 0"},
        {"study --threads 1000", "--threads must be from 1 to 256, not 1000"},
        {"study --method best", "--method must be anneal, climb or sample, not best"},
        {"study --cooling x", "--cooling must be a number, not x"},
        {"study --initial nan", "--initial must be a number, not nan"},
        {"study --cooling 1", "--cooling must lie above 0 and below 1, not 1"},
        {"study --cooling 0.99999999",
         "--cooling must lie above 0 and below 1, not 0.99999999 (it rounds to the float 1)"},
        {"study --cooling 1e-300",
         "--cooling must lie above 0 and below 1, not 1e-300 (it rounds to the float 0)"},
        {"study --initial 1e39",
         "--initial must lie within a float's range, -3.40282e+38 to 3.40282e+38, not 1e39"},
        {"study --initial 0.1", "the schedule examines nothing: --initial must lie above --final"},
        {"study --final -1", "the schedule never ends, or examines over 10000000 solutions a run"},
        {"study --exact --moves 5000",
         "--exact takes at most 50000 moves, from half a minute of work on two cores to 3 minutes "
         "with one move a level, not 1135000"},
        {"study --sweep --initial 0.5",
         "--initial must lie above 1, the sweep's highest final temperature, not 0.5"},
        {"study --sweep --initial 0.5 --final 0.01",
         "--sweep does not go with --final: the sweep has schedules of its own"},
        {"study --sweep --cooling 0.9",
         "--sweep does not go with --cooling: the sweep has schedules of its own"},
        {"study --sweep --moves 2",
         "--sweep does not go with --moves: the sweep has schedules of its own"},
        {"study --sweep --trace", "--sweep does not go with --trace: a trace follows one search"},
        {"study --trace --runs 5", "--trace does not go with --runs: a trace follows one search"},
        {"study --trace --threads 2",
         "--trace does not go with --threads: a trace follows one search"},
        {"study --trace --method sample",
         "--trace does not go with --method sample: sampling makes no moves"},
        {"study --exact --runs 5",
         "--exact does not go with --runs: it works out probabilities, not runs"},
        {"study --exact --seed 2",
         "--exact does not go with --seed: it works out probabilities, not runs"},
        {"study --coding octal", "--coding must be binary or gray, not octal"},
        {"reliability --coding Gray", "--coding must be binary or gray, not Gray"},
        {"study --every-move", "--every-move needs --trace"},
        {"study --trace --exact --every-move",
         "--exact does not go with --every-move: it works out probabilities, not moves"},
        {"study --map", "--map needs --exact"},
        {"study --function ''", "--function: empty expression"},
        {"study --function 'foo(x)'", "--function: unknown name \"foo\" at character 1"},
        {"study --function 'sin(x'",
         "--function: syntax error at character 6: expected \")\": it takes one argument"},
        {"landscape --function 'log(x)'",
         "--function: not finite at x = -2, the first such grid point"},
        {"reliability --function '1/(x+2)'",
         "--function: not finite at x = -2, the first such grid point"},
        {"study --exact --function 'exp(1000*x)'",
         "--function: not finite at x = 0.709798515, the first such grid point"},
        {"study --function x --interval 2,-2", "--interval: must have A below B, not 2,-2"},
        {"landscape --interval 1,1", "--interval: must have A below B, not 1,1"},
        {"study --interval 1e39,2", "--interval: must lie within a float's range, not 1e39,2"},
        {"study --interval a,2", "--interval: must be two numbers A,B, not a,2"},
        {"study --interval 1", "--interval: must be two numbers A,B, not 1"},
        {"study --landscape hill", "--landscape must be program, funnel, decoy or ramp, not hill"},
        {"study --landscape funnel --function x",
         "--landscape does not go with --function: a landscape states its function and interval"},
        {"study --target 1e39",
         "--target must lie within a float's range, -3.40282e+38 to 3.40282e+38, not 1e39"},
        {"study --schedule cubic",
         "--schedule must be geometric, linear, logarithmic or fast, not cubic"},
        {"study --levels 9",
         "--levels does not go with the geometric schedule: its levels follow from --cooling"},
        {"reliability --schedule fast --levels 1", "--levels must be from 2 to 10000000, not 1"},
        {"study --schedule linear --levels 9 --cooling 0.9",
         "--levels does not go with --cooling: the linear schedule cools in the levels given"},
        {"study --schedule logarithmic --final 0",
         "the logarithmic schedule needs --final above 0, not 0"},
        {"reliability --schedule linear --levels 2000000",
         "2000000 levels of 8 moves examine 16000000 solutions a run, over the 10000000 the "
         "tools take"},
        {"study --exact --schedule fast --levels 7000",
         "--exact takes at most 50000 moves, from half a minute of work on two cores to 3 minutes "
         "with one move a level, not 56000"},
        {"study --time-to-target --method climb",
         "--time-to-target does not go with --method: it shows every method"}};
    for (const auto& [arguments, message] : cases) {
        const std::string tool = std::string(arguments).substr(0, std::string(arguments).find(' '));
        const program_run run = run_command(tools + "/sinc-" + arguments, "");
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.output, "");
        EXPECT_EQ(run.errors, "sinc-" + tool + ": " + message + "\n") << arguments;
    }
    for (const std::string tool : {"study", "reliability", "landscape"}) {
        const std::string command = (tools + "/sinc-").append(tool);
        const program_run help = run_command(command + " --help", "");
        EXPECT_EQ(help.status, 0);
        EXPECT_NE(help.output.find("--version"), std::string::npos) << tool;
        std::istringstream lines(help.output);
        for (std::string line; std::getline(lines, line);)
            EXPECT_LE(line.size(), 80u) << tool << ": " << line;
        const program_run version = run_command(command + " --version", "");
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.output, "sinc-" + tool + " " VERSION "\n");
    }
}
