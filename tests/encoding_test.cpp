// The bit encoding against facts worked out by hand, the random draws, and
// what happens when a bit vector cannot be allocated.

#include "draws.h"
#include "encoding.h"
#include "problem.h"
#include "support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sys/resource.h>
#include <unistd.h>

// Every code of the grid, against its binary value and x = -2 + 4 k / 131071.
// The grid that the program works out at start-up is the one the tools use.
TEST(bit_encoding, the_problem_needs_17_bits_and_every_code_decodes_to_its_point)
{
    EXPECT_EQ(bit_count_for(6e-5f, lower_bound, upper_bound), bit_count);
    const std::int32_t n = bit_count_for(problem_precision, problem_grid.lower, problem_grid.upper);
    const std::vector<std::int32_t> ones(static_cast<std::size_t>(n), 1);
    EXPECT_EQ(n, problem_grid.bits);
    EXPECT_EQ(bits_to_integer(ones.data(), n), problem_grid.full_scale);
    EXPECT_EQ(problem_schedule.moves_per_level, n / 2);
    for (std::int32_t k = 0; k <= full_scale; ++k) {
        std::int32_t bits[bit_count];
        for (std::int32_t i = 0; i < bit_count; ++i)
            bits[i] = (k >> (bit_count - 1 - i)) & 1;
        ASSERT_EQ(bits_to_integer(bits, bit_count), k);
        ASSERT_EQ(decode_bits(bits, full_scale, bit_count, lower_bound, upper_bound),
                  -2.0 + 4.0 * k / full_scale);
    }
}

// Only elements holding exactly 1 count. A flip turns anything but 0 into 0,
// and flip_bit_change says how the value changed, whatever the flip.
TEST(bit_encoding, only_exact_ones_count_and_flips_tell_how_the_value_changed)
{
    std::vector<std::int32_t> bits{1, 2, 0};
    EXPECT_EQ(bits_to_integer(bits.data(), 3), 4);
    EXPECT_EQ(bits_to_integer(bits.data(), 0), 0);
    EXPECT_EQ(flip_bit_change(bits.data(), 3, 1), 0);  // the 2 becomes 0
    EXPECT_EQ(flip_bit_change(bits.data(), 3, 1), 2);  // and then 1
    EXPECT_EQ(flip_bit_change(bits.data(), 3, 0), -4); // the top 1 becomes 0
    EXPECT_EQ(bits, (std::vector<std::int32_t>{0, 1, 0}));
    EXPECT_EQ(bits_to_integer(bits.data() + 1, 1), 1);
    EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits.data(), 3); }), "[0 1 0]\n");
    EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits.data(), 1); }), "[0]\n");
    EXPECT_EQ(captured([&](std::FILE* out) { print_bits_to(out, bits.data(), 0); }), "[]\n");
}

// random_below(17) takes every value of 0..16 and nothing else, and each
// position of a random fill is a fair coin: 1 about half the time.
TEST(random_draws, cover_their_range_evenly)
{
    seed_random(8);
    EXPECT_EQ(random_below(0), 0);
    constexpr int draws = 4000;
    std::vector<int> seen(bit_count), ones(bit_count);
    std::int32_t bits[bit_count];
    for (int i = 0; i < draws; ++i) {
        ++seen.at(static_cast<std::size_t>(random_below(bit_count)));
        fill_random_bits(bits, bit_count);
        for (std::size_t j = 0; j < bit_count; ++j)
            ones[j] += bits[j] == 1 ? 1 : 0;
    }
    for (std::size_t j = 0; j < bit_count; ++j) { // within five standard deviations
        EXPECT_GT(seen[j], 0);
        EXPECT_NEAR(ones[j], draws / 2.0, 5 * std::sqrt(draws / 4.0));
    }
}

// The source is the standard's mt19937: from its default seed, its 10000th
// draw is 4123659995.
TEST(random_draws, are_those_of_mt19937)
{
    seed_random(5489);
    for (int i = 1; i < 10000; ++i)
        next_random();
    EXPECT_EQ(next_random(), 4123659995u);
}

namespace {
// Caps the address space 256 MiB above what is in use, sends standard
// output to standard error (where the death test looks), and asks for the
// largest vector there is: 8 GiB.
void allocate_beyond_the_limit()
{
    rlim_t pages = 0;
    std::ifstream("/proc/self/statm") >> pages; // the address space in use
    const rlimit cap{pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{256} << 20),
                     RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &cap);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    release_bits(allocate_bits(std::numeric_limits<std::int32_t>::max()));
}
} // namespace

TEST(allocation_failure_death_test, prints_the_message_and_exits_with_1)
{
    EXPECT_EXIT(allocate_beyond_the_limit(), testing::ExitedWithCode(1),
                "Falta memoria para alocar o vetor de ponteiros$");
    std::int32_t* empty = allocate_bits(0); // still one usable element, never null
    empty[0] = 1;
    release_bits(empty);
}
