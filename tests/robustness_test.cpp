// Hundreds of generated dialogues through the built program: whatever is
// typed, it must end by itself, cleanly, printing only what it knows.

#include "program_runner.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <random>
#include <regex>
#include <string>

namespace {
constexpr int dialogue_count = 300;
constexpr auto time_budget = std::chrono::seconds(120);
constexpr int most_tokens = 12;

// The pieces a dialogue is made of: choices, signs, huge numbers, words,
// stray bytes and white space, and a search from a fresh solution.
const std::array<std::string, 25> pieces = {
    "1\n2", "0",    "1",  "2", "3", "4",           "5",           "6",   "7", "8",
    "9",    "-1",   "+2", "-", "+", "99999999999", "-2147483649", "abc", "x", std::string("\0", 1),
    "\x01", "\xff", "\n", " ", "\t"};
const std::array<std::string, 3> separators = {"\n", " ", ""};

// A random dialogue, which more often than not is cut short at a random point.
std::string random_dialogue(std::mt19937& random)
{
    std::string dialogue;
    const int tokens = std::uniform_int_distribution<int>(0, most_tokens)(random);
    for (int i = 0; i < tokens; ++i) {
        dialogue +=
            pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        dialogue += separators[std::uniform_int_distribution<std::size_t>(0, separators.size() -
                                                                                 1)(random)];
    }
    if (random() % 3 != 0)
        dialogue.resize(std::uniform_int_distribution<std::size_t>(0, dialogue.size())(random));
    return dialogue;
}

// The reports the program may print beside the menu and the reminder.
const std::regex random_report("Solucao aleatoria: v = \\[(?:[01] ){16}[01]\\]\n"
                               "valor de x = -?\\d\\.\\d{6} \n"
                               "funcao objetivo = -?\\d\\.\\d{6} \n");

// The length of the block that output starts with at from, or 0 for none.
std::size_t block_at(const std::string& output, std::size_t from)
{
    for (const std::string* text : {&menu_text, &reminder_text})
        if (output.compare(from, text->size(), *text) == 0)
            return text->size();
    std::smatch block;
    for (const std::regex* pattern : {&random_report, &search_report_pattern})
        if (std::regex_search(output.begin() + static_cast<std::ptrdiff_t>(from), output.end(),
                              block, *pattern, std::regex_constants::match_continuous))
            return static_cast<std::size_t>(block.length(0));
    return 0;
}

// The first place where output is not a run of known blocks; npos if none.
std::size_t first_unknown(const std::string& output)
{
    std::size_t at = 0;
    while (at < output.size()) {
        const std::size_t length = block_at(output, at);
        if (length == 0)
            return at;
        at += length;
    }
    return std::string::npos;
}
} // namespace

TEST(robustness, generated_dialogues_end_cleanly_with_known_output)
{
    std::mt19937 random(20261206);
    const auto start = std::chrono::steady_clock::now();
    int ran = 0;
    int with_search = 0;
    for (; ran < dialogue_count && std::chrono::steady_clock::now() - start < time_budget; ++ran) {
        const std::string input = random_dialogue(random);
        const program_run run = run_program(input);
        ASSERT_EQ(run.status, 0) << "input: " << testing::PrintToString(input);
        ASSERT_EQ(run.errors, "") << "input: " << testing::PrintToString(input);
        ASSERT_EQ(run.files_created, 0);
        ASSERT_EQ(first_unknown(run.output), std::string::npos)
            << "input: " << testing::PrintToString(input) << "\noutput: " << run.output;
        ASSERT_EQ(run.output.rfind(menu_text, 0), 0u); // every dialogue starts with the menu
        with_search += run.output.find("Melhor Solucao") != std::string::npos ? 1 : 0;
    }
    EXPECT_GE(ran, dialogue_count / 2) << "the time budget ran out early";
    EXPECT_GE(with_search, ran / 20) << "too few dialogues reached a search";
}

TEST(robustness, the_checker_rejects_what_the_program_must_not_print)
{
    EXPECT_EQ(first_unknown(menu_text + reminder_text + menu_text), std::string::npos);
    EXPECT_EQ(first_unknown(menu_text + "Escolha invalida\n"), menu_text.size());
    EXPECT_EQ(first_unknown(menu_text + menu_text.substr(1)), menu_text.size());
}
