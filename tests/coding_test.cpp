// The Gray code on every grid point, and the points where a hill-climber
// stops, found by looking at every flip and by climbing from every point.

#include "anneal.h"
#include "coding.h"
#include "draws.h"
#include "landscape.h"
#include "problem.h"
#include "support.h"

#include <gtest/gtest.h>

#include <bit>
#include <set>

// Every grid point has its own code, decoded back to it, and the codes of
// neighbouring points differ in exactly one bit. Binary is the identity.
TEST(gray_code, is_a_bijection_in_which_neighbouring_points_differ_in_one_bit)
{
    EXPECT_EQ(gray_encode(5), 7);
    EXPECT_EQ(gray_decode(0b10000000000000000), full_scale);
    std::vector<bool> taken(full_scale + 1, false);
    for (std::int32_t k = 0; k <= full_scale; ++k) {
        const std::int32_t g = state_of(coding::gray, k);
        ASSERT_TRUE(g >= 0 && g <= full_scale && !taken[static_cast<std::size_t>(g)]) << k;
        taken[static_cast<std::size_t>(g)] = true;
        ASSERT_EQ(point_of(coding::gray, g), k);
        ASSERT_EQ(point_of(coding::binary, state_of(coding::binary, k)), k);
        if (k > 0) {
            ASSERT_EQ(std::popcount(static_cast<std::uint32_t>(g ^ gray_encode(k - 1))), 1) << k;
        }
    }
}

// A climb on f as stored (each f of the table narrowed) takes a move only
// when f rises. So from a point where no flip leads higher it never moves,
// and from any other point it moves once it tries the flip that leads
// higher, which 204 moves do for every point. The points the climbs stay on
// are those that testing every flip finds, highest first.
TEST(one_flip_peaks, are_the_points_that_a_long_climb_from_each_point_stays_on)
{
    constexpr schedule long_climb{0.5, 1.0, 2e-4, 17}; // 12 levels of 17 moves
    const std::pair<coding, std::size_t> cases[] = {{coding::binary, 18}, {coding::gray, 9}};
    for (const auto& [code, count] : cases) {
        const std::vector<grid_peak> peaks = one_flip_peaks(program_land(), code);
        std::set<std::int32_t> found;
        for (const grid_peak& peak : peaks)
            found.insert(peak.k);
        std::vector<double> stored = objective_table(program_land(), code);
        for (double& f : stored)
            f = static_cast<float>(f);
        std::set<std::int32_t> stayed;
        for (std::int32_t k = 0; k <= full_scale; ++k) {
            const std::int32_t start = state_of(code, k);
            std::int32_t bits[bit_count];
            grid_bits_of(start, bits);
            auto f = static_cast<float>(stored[static_cast<std::size_t>(start)]);
            seed_random(static_cast<std::uint32_t>(k));
            search_from({move_rule::climb, nullptr, nullptr, stored.data()}, problem_grid,
                        long_climb, bits, &f);
            if (bits_to_integer(bits, bit_count) == start)
                stayed.insert(k);
        }
        EXPECT_EQ(stayed, found) << coding_names[static_cast<int>(code)];
        EXPECT_EQ(peaks.size(), count);
        EXPECT_EQ(peaks.at(0).k, program_best_point);
        for (std::size_t i = 1; i < peaks.size(); ++i)
            EXPECT_GE(peaks[i - 1].value, peaks[i].value);
    }
}
