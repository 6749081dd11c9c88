// The bit encoding against facts worked out by hand, and the random draws.

#include "encoding.h"
#include "random.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

// Every code of the grid, against its binary value and x = -2 + 4 k / 131071.
TEST(bit_encoding, the_problem_needs_17_bits_and_every_code_decodes_to_its_point)
{
    EXPECT_EQ(bit_count_for(6e-5f, lower_bound, upper_bound), bit_count);
    for (std::int32_t k = 0; k <= full_scale; ++k) {
        const std::vector<std::int32_t> bits = bits_of(k);
        ASSERT_EQ(bits_to_integer(bits.data(), bit_count), k);
        ASSERT_EQ(decode_bits(bits.data(), full_scale, bit_count, lower_bound, upper_bound),
                  -2.0 + 4.0 * k / full_scale);
    }
    EXPECT_EQ(formatted("%2f", decode_integer(48917, full_scale, lower_bound, upper_bound)),
              "-0.507160");
}

// Only elements holding exactly 1 count. A flip turns anything but 0 into 0,
// and flip_bit_tracking follows the value through every kind of flip.
TEST(bit_encoding, only_exact_ones_count_and_flips_keep_track_of_the_value)
{
    std::vector<std::int32_t> bits{1, 2, 0};
    EXPECT_EQ(bits_to_integer(bits.data(), 3), 4);
    EXPECT_EQ(bits_to_integer(bits.data(), 0), 0);
    EXPECT_EQ(flip_bit_tracking(bits.data(), 3, 1, 4), 4);
    EXPECT_EQ(bits, (std::vector<std::int32_t>{1, 0, 0}));
    EXPECT_EQ(flip_bit_tracking(bits.data(), 3, 1, 4), 6);
    EXPECT_EQ(flip_bit_tracking(bits.data(), 3, 0, 6), 2);
    EXPECT_EQ(bits, (std::vector<std::int32_t>{0, 1, 0}));
    std::vector<std::int32_t> copy(3, 7);
    copy_bits(copy.data(), bits.data(), 3);
    EXPECT_EQ(copy, bits);
}

TEST(bit_encoding, bits_print_in_brackets_with_single_blanks)
{
    const std::int32_t bits[] = {1, 0, 1};
    const struct {
        std::int32_t n;
        const char* text;
    } cases[] = {{3, "[1 0 1]\n"}, {1, "[1]\n"}, {0, "[]\n"}};
    for (const auto& c : cases)
        EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits, c.n); }), c.text);
}

TEST(random_draws, random_below_covers_its_range_and_nothing_else)
{
    seed_random(7);
    EXPECT_EQ(random_below(0), 0);
    std::set<std::int32_t> seen;
    for (int i = 0; i < 2000; ++i)
        seen.insert(random_below(bit_count));
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(bit_count));
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), bit_count - 1);
}

// Each position of a random solution is a fair coin: over many fills it is
// 1 about half the time, and never anything but 0 or 1.
TEST(random_draws, every_position_of_a_fill_is_a_fair_coin)
{
    seed_random(8);
    constexpr int fills = 4000;
    std::vector<int> ones(bit_count);
    std::vector<std::int32_t> bits(bit_count);
    for (int i = 0; i < fills; ++i) {
        fill_random_bits(bits.data(), bit_count);
        for (std::size_t j = 0; j < bits.size(); ++j) {
            ASSERT_TRUE(bits[j] == 0 || bits[j] == 1);
            ones[j] += bits[j];
        }
    }
    for (const int count : ones)
        EXPECT_NEAR(count, fills / 2.0, 5 * std::sqrt(fills / 4.0)); // five standard deviations
}
