// The bit encoding against facts worked out by hand.

#include "encoding.h"
#include "random.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <set>

TEST(bit_encoding, main_problem_needs_17_bits_and_full_scale_131071)
{
    EXPECT_EQ(bit_count_for(6e-5f, lower_bound, upper_bound), bit_count);
    const std::vector<std::int32_t> ones(bit_count, 1);
    EXPECT_EQ(bits_to_integer(ones.data(), bit_count), full_scale);
}

TEST(bit_encoding, every_17_bit_code_reads_as_its_binary_value)
{
    for (std::int32_t k = 0; k <= full_scale; ++k)
        ASSERT_EQ(bits_to_integer(bits_of(k).data(), bit_count), k);
}

TEST(bit_encoding, grid_points_map_onto_the_interval)
{
    EXPECT_EQ(grid_x(0), -2.0f);
    EXPECT_EQ(grid_x(full_scale), 2.0f);
    EXPECT_NEAR(grid_x(65536), 4.0 * 65536 / 131071 - 2, 1e-9); // only the top bit: 1.5259e-05
    EXPECT_NEAR(grid_x(1), -1.9999695, 1e-7);                   // only the bottom bit
    EXPECT_EQ(formatted("%2f", grid_x(48917)), "-0.507160");
}

TEST(bit_encoding, only_exact_ones_count_and_flip_clears_anything_else)
{
    std::vector<std::int32_t> bits{1, 2, 1};
    EXPECT_EQ(bits_to_integer(bits.data(), 3), 5); // the 2 counts as 0
    flip_bit(bits.data(), 1);
    EXPECT_EQ(bits[1], 0);
    flip_bit(bits.data(), 1);
    EXPECT_EQ(bits[1], 1);
    flip_bit(bits.data(), 0);
    flip_bit(bits.data(), 0);
    EXPECT_EQ(bits[0], 1);
    EXPECT_EQ(bits_to_integer(bits.data(), 0), 0);
    EXPECT_EQ(bits_to_integer(bits.data(), -5), 0);
}

TEST(bit_encoding, bits_print_in_brackets_with_single_blanks)
{
    const std::vector<std::int32_t> bits{1, 0, 1};
    EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits.data(), 3); }), "[1 0 1]\n");
    EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits.data(), 1); }), "[1]\n");
    EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits.data(), 0); }), "[]\n");
}

TEST(random_draws, random_below_covers_its_range_and_nothing_else)
{
    seed_random(7);
    EXPECT_EQ(random_below(0), 0);
    EXPECT_EQ(random_below(-3), 0);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t draw = random_below(bit_count);
        ASSERT_GE(draw, 0);
        ASSERT_LT(draw, bit_count);
        seen.insert(draw);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(bit_count));
}
