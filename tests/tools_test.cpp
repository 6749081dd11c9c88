// The numbers the teaching tools print, where they are facts.

#include "landscape.h"
#include "reliability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

TEST(landscape_tool, every_peak_lies_in_its_own_basin)
{
    const std::vector<grid_peak> peaks = grid_peaks();
    const std::vector<std::int32_t> basins = grid_basins(peaks);
    ASSERT_EQ(basins.size(), 131072u);
    for (std::size_t i = 0; i < peaks.size(); ++i)
        EXPECT_EQ(basins[static_cast<std::size_t>(peaks[i].k)], static_cast<std::int32_t>(i));
    // The global maximum's basin reaches down to the valleys on either side.
    EXPECT_EQ(basins[static_cast<std::size_t>(peaks[0].k - 5000)], 0);
    EXPECT_EQ(basins[static_cast<std::size_t>(peaks[0].k + 5000)], 0);
}

// From many random starts, each with its own seed, a clear majority of
// searches must reach the global maximum: a hill-climber reaches it from
// only about a third of the starts.
TEST(reliability_tool, most_searches_find_the_maximum_and_shares_add_up_to_one)
{
    constexpr int runs = 200;
    const std::vector<search_outcome> outcomes = run_searches(runs, 1, 60.0);
    ASSERT_EQ(outcomes.size(), static_cast<std::size_t>(runs));
    const auto above = std::count_if(outcomes.begin(), outcomes.end(), [](const search_outcome& o) {
        return o.best_objective > 1.5f;
    });
    EXPECT_GE(above, runs * 9 / 10);

    const std::vector<grid_peak> peaks = grid_peaks();
    const std::vector<double> shares = basin_shares(outcomes, grid_basins(peaks), peaks.size());
    EXPECT_NEAR(std::accumulate(shares.begin(), shares.end(), 0.0), 1.0, 1e-9);
    EXPECT_GE(shares[0], 0.9);
    EXPECT_EQ(run_searches(runs, 1, 0.0).size(), 0u); // no time, no search
}
