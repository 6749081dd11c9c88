// Whole dialogues through the built program.

#include "objective.h"
#include "support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <regex>
#include <thread>

namespace {
// The output of a dialogue that must end cleanly by itself.
std::string dialogue(const std::string& input)
{
    const program_run run = run_program(input);
    EXPECT_EQ(run.stopped, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    EXPECT_EQ(run.files_created, 0);
    return run.output;
}

// Option 1's report; its groups are the bits, x and f as printed.
const std::regex random_report("Solucao aleatoria: v = \\[((?:[01] ){16}[01])\\]\n"
                               "valor de x = (\\S+) \nfuncao objetivo = (\\S+) \n");

// The bits of each random solution in output, after checking that its x
// and f are those of its bits.
std::vector<std::string> random_solutions(const std::string& output)
{
    std::vector<std::string> solutions;
    for (std::sregex_iterator it(output.begin(), output.end(), random_report), end; it != end;
         ++it) {
        const std::string bits = std::regex_replace((*it)[1].str(), std::regex(" "), "");
        const auto x = static_cast<float>(-2.0 + 4.0 * std::stoi(bits, nullptr, 2) / full_scale);
        EXPECT_EQ((*it)[2], formatted("%2f", x));
        EXPECT_EQ((*it)[3], formatted("%3f", static_cast<float>(objective(x))));
        solutions.push_back(bits);
    }
    return solutions;
}
} // namespace

// Each NAME.in in tests/dialogues, typed at the program, prints exactly NAME.out.
TEST(dialogue, golden_files)
{
    int checked = 0;
    for (const auto& file : std::filesystem::directory_iterator(DIALOGUES))
        if (file.path().extension() == ".in") {
            std::filesystem::path expected = file.path();
            EXPECT_EQ(dialogue(file_contents(file.path())),
                      file_contents(expected.replace_extension(".out")))
                << file.path().filename();
            ++checked;
        }
    EXPECT_GE(checked, 10);
}

// Two random solutions in a row differ, and so do the first ones of two
// starts in different seconds: the source is seeded from the clock.
TEST(dialogue, random_solutions_are_fresh_and_reported_truly)
{
    const std::string output = dialogue("1\n1\n0\n");
    const std::vector<std::string> first = random_solutions(output);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(std::regex_replace(output, random_report, ""), menu_text + menu_text + menu_text);
    EXPECT_NE(first[0], first[1]);
    for (const std::time_t now = std::time(nullptr); std::time(nullptr) == now;)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const std::vector<std::string> later = random_solutions(dialogue("1\n0\n"));
    ASSERT_EQ(later.size(), 1u);
    EXPECT_NE(later[0], first[0]);
}

// Option 2 searches from the random solution, and a second search continues
// from the best solution of the first; each examines 227 levels of 8 moves.
TEST(dialogue, searches_start_from_the_current_solution)
{
    const std::string output = dialogue("1\n2\n2\n0\n");
    std::smatch random;
    ASSERT_TRUE(std::regex_search(output, random, random_report));
    const auto reports = search_reports(output);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0][0], random[3]);
    EXPECT_EQ(reports[0][1], random[2]);
    EXPECT_EQ(reports[1][0], reports[0][3]);
    EXPECT_EQ(reports[1][1], reports[0][2]);
    EXPECT_EQ(reports[0][4], "1816");
    EXPECT_EQ(reports[1][4], "1816");
    const std::string menus = std::regex_replace(output, random_report, "");
    EXPECT_EQ(std::regex_replace(menus, search_report, ""),
              menu_text + menu_text + menu_text + menu_text);
}

// Output that cannot be written is an error, said once on standard error.
TEST(dialogue, lost_output_ends_with_status_1)
{
    const program_run run = run_command("'" SINC_ANNEAL_PROGRAM "' > /dev/full", "1\n2\n0\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(
        std::regex_match(run.errors, std::regex("sinc-anneal: error writing standard output.*\n")))
        << run.errors;
}

TEST(program_runner, stops_a_program_that_prints_without_end)
{
    EXPECT_EQ(run_command("yes", "").stopped, "printed more than 1 MiB");
}
