// The menu's number reader on in-memory input.

#include "menu.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {
// What read_number reports for each read of text, until end of input, with
// the numbers spelled out: e.g. "5 ? 7 end".
std::string reads_of(std::string text)
{
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    std::string reads;
    for (int guard = 0; guard < 100; ++guard) { // each read consumes input: 100 is plenty
        std::int32_t value = -999;
        const read_status status = read_number(in, &value);
        if (status == read_status::end_of_input) {
            reads += "end";
            break;
        }
        reads += status == read_status::number ? std::to_string(value) + " " : "? ";
    }
    std::fclose(in);
    return reads;
}

// The character read_number leaves next after reading from text.
int next_after_number(std::string text)
{
    std::FILE* in = fmemopen(text.data(), text.size(), "r");
    std::int32_t value = 0;
    read_number(in, &value);
    const int c = std::getc(in);
    std::fclose(in);
    return c;
}
} // namespace

TEST(menu_reader, reads_numbers_like_percent_d)
{
    EXPECT_EQ(reads_of("1\n2\n0\n"), "1 2 0 end");
    EXPECT_EQ(reads_of("  \n\t 2"), "2 end");
    EXPECT_EQ(reads_of("+3 -1 007"), "3 -1 7 end");
    EXPECT_EQ(reads_of("12abc\n4"), "12 ? 4 end"); // the word after 12 is dropped with its line
    EXPECT_EQ(reads_of(""), "end");
    EXPECT_EQ(reads_of(" \n \n"), "end");
}

TEST(menu_reader, leaves_the_character_after_the_number)
{
    EXPECT_EQ(next_after_number("2\n"), '\n');
    EXPECT_EQ(next_after_number("  1x"), 'x');
    EXPECT_EQ(next_after_number("0"), EOF);
}

TEST(menu_reader, numbers_beyond_32_bits_are_clamped)
{
    const auto max = std::to_string(std::numeric_limits<std::int32_t>::max());
    const auto min = std::to_string(std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(reads_of("2147483647 2147483648 99999999999999999999999"),
              max + " " + max + " " + max + " end");
    EXPECT_EQ(reads_of("-2147483648 -2147483649 -99999999999999999999"),
              min + " " + min + " " + min + " end");
}

TEST(menu_reader, a_token_that_is_not_a_number_drops_its_line)
{
    EXPECT_EQ(reads_of("abc 1\n2\n"), "? 2 end");
    EXPECT_EQ(reads_of("-\n5\n"), "? 5 end"); // a lone sign ends its own line only
    EXPECT_EQ(reads_of("- 5\n6\n"), "? 6 end");
    EXPECT_EQ(reads_of(std::string("\x01\xff\0 3\n4", 7)), "? 4 end");
    EXPECT_EQ(reads_of("word"), "end"); // no newline before input ends
    EXPECT_EQ(reads_of("-"), "end");
}
