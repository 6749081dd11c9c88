// Whole dialogues through the built program, compared byte for byte.

#include "encoding.h"
#include "objective.h"
#include "program_runner.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

std::string times(int count, const std::string& text)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

// Runs input through the program and expects a clean end with exactly expected.
void expect_dialogue(const std::string& input, const std::string& expected)
{
    const program_run run = run_program(input);
    EXPECT_EQ(run.output, expected) << "input: " << input;
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
}
} // namespace

TEST(dialogue, fixed_texts)
{
    expect_dialogue("0\n", menu_text);
    expect_dialogue("2\n2\n0\n", menu_text + reminder_text + menu_text + reminder_text + menu_text);
    expect_dialogue("3\n-1\n0\n", times(3, menu_text));
}

// The menu reads like "%d"; a word drops the rest of its line, a number
// beyond 32 bits is out of range, and the end of input quits.
TEST(dialogue, what_the_menu_makes_of_any_input)
{
    const std::string& m = menu_text;
    expect_dialogue(" \n\t\v\f\r7 +3 -1 007\n12abc 0\n", times(7, m)); // "abc 0" is dropped
    expect_dialogue("2147483648 4294967296 4294967297 -99999999999999999999\n", times(5, m));
    const std::string stray_bytes("\x01\xff\0 1\n", 6);
    expect_dialogue("-\n2\n- 5\n6\n" + stray_bytes + "0\n", m + m + reminder_text + times(4, m));
    expect_dialogue("2+2\n0\n", m + reminder_text + m + reminder_text + m); // "+" is what 2 drops
    expect_dialogue("", m);
    expect_dialogue("word", m); // input ends inside a word
    expect_dialogue("-", m);
    expect_dialogue("abc\n99999999999\n", times(3, m));
    expect_dialogue("2", m + reminder_text + m); // no final newline
}

TEST(dialogue, random_solution_report_agrees_with_its_bits)
{
    const program_run run = run_program("1\n0\n");
    ASSERT_EQ(run.status, 0);
    static const std::regex report("Solucao aleatoria: v = \\[((?:[01] ){16}[01])\\]\n"
                                   "valor de x = (\\S+) \nfuncao objetivo = (\\S+) \n");
    std::smatch fields;
    ASSERT_TRUE(std::regex_search(run.output, fields, report)) << run.output;
    EXPECT_EQ(run.output, menu_text + fields.str(0) + menu_text);

    const std::string printed = std::regex_replace(fields.str(1), std::regex(" "), "");
    const std::int32_t k = static_cast<std::int32_t>(std::stol(printed, nullptr, 2));
    EXPECT_EQ(fields.str(2), formatted("%2f", grid_x(k)));
    EXPECT_EQ(fields.str(3), formatted("%3f", static_cast<float>(objective(grid_x(k)))));
}

TEST(dialogue, a_second_search_continues_from_the_first)
{
    const program_run run = run_program("1\n2\n2\n0\n");
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    const std::vector<search_report> reports = search_reports(run.output);
    ASSERT_EQ(reports.size(), 2u) << run.output;
    EXPECT_EQ(reports[0].examined, "1816");
    EXPECT_EQ(reports[1].examined, "1816");
    EXPECT_EQ(reports[1].start_objective, reports[0].best_objective);
    EXPECT_EQ(reports[1].start_x, reports[0].best_x);
    EXPECT_EQ(run.output.substr(run.output.size() - menu_text.size()), menu_text);
}
