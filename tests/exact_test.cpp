// The exact engine: it keeps every probability, whatever the thread count,
// and at a fixed temperature it settles on the Boltzmann distribution.

#include "exact.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <vector>

namespace {
struct level_record {
    std::vector<double> figures; // per level: P(above), P(at maximum), then current
    double worst_loss = 0.0;     // the largest |1 - total| of any chain at any level
    double last_distance = 1.0;
};

void record(const exact_level& level, void* context)
{
    auto& seen = *static_cast<level_record*>(context);
    const auto total = [](const double* p) { return std::accumulate(p, p + grid_points, 0.0); };
    seen.worst_loss = std::max({seen.worst_loss, std::abs(1.0 - total(level.current)),
                                std::abs(1.0 - level.above - total(level.never_above)),
                                std::abs(1.0 - level.at_maximum - total(level.never_at_maximum))});
    seen.figures.push_back(level.above);
    seen.figures.push_back(level.at_maximum);
    seen.figures.insert(seen.figures.end(), level.current, level.current + grid_points);
    seen.last_distance = boltzmann_distance(level.current, level.objective, level.temperature);
}
} // namespace

TEST(exact_search, keeps_every_probability_and_ignores_the_thread_count)
{
    const schedule plan{0.5, 1.0, 0.1, 8}; // 4 levels, cooling fast
    level_record one;
    level_record two;
    const exact_result result =
        exact_search(move_rule::anneal, coding::binary, plan, 1, record, &one);
    exact_search(move_rule::anneal, coding::binary, plan, 2, record, &two);
    EXPECT_EQ(result.levels, 4);
    EXPECT_LT(one.worst_loss, 1e-12);
    EXPECT_EQ(one.figures, two.figures); // bit for bit
    EXPECT_NEAR(std::accumulate(result.basins.begin(), result.basins.end(), 0.0), 1.0, 1e-12);
}

TEST(exact_search, settles_on_the_boltzmann_distribution_at_a_fixed_temperature)
{
    const schedule plan{1.0 - 1e-9, 1.0, 1.0 - 1.45e-8, 8}; // 15 levels at T = 1
    level_record seen;
    exact_search(move_rule::anneal, coding::binary, plan, 2, record, &seen);
    // Not 0: the draws take a worse move with probability ceil(10000 exp(delta / T)) / 10000.
    EXPECT_LT(seen.last_distance, 1e-4);
}
