// The objective against facts of the sinc function and against an
// independent long-double evaluation over the whole 17-bit grid.

#include "landscape.h"
#include "objective.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {
long double reference_sinc(long double t)
{
    const long double u = t * std::numbers::pi_v<long double>;
    return t == 0 ? 1.0L : std::sin(u) / u;
}

// The formula written out once more, in long double throughout.
long double reference_objective(long double x)
{
    return 0.4L + reference_sinc(4 * x) + 1.1L * reference_sinc(4 * x + 2) +
           0.8L * reference_sinc(6 * x - 2) + 0.7L * reference_sinc(6 * x - 4);
}

} // namespace

TEST(sinc_function, known_values)
{
    EXPECT_EQ(sinc(0.0f), 1.0f);
    for (const float t : {1.0f, -1.0f, 2.0f, -3.0f, 5.0f})
        EXPECT_NEAR(sinc(t), 0.0f, 1e-7f) << t;
    EXPECT_NEAR(sinc(0.5f), 2.0 / std::numbers::pi, 1e-7);
    EXPECT_EQ(sinc(0.3f), sinc(-0.3f));
}

TEST(objective_function, known_values)
{
    EXPECT_NEAR(objective(0.0f), 1.4, 1e-7);
    EXPECT_EQ(formatted("%3f", static_cast<float>(objective(0.0f))), "1.400000");
    EXPECT_NEAR(objective(-0.5f), 1.5, 1e-7);
    for (const float x : {-2.0f, -1.0f, 1.0f, 2.0f})
        EXPECT_NEAR(objective(x), 0.4, 1e-7) << x;
}

TEST(objective_function, agrees_with_a_long_double_evaluation_on_the_whole_grid)
{
    for (std::int32_t k = 0; k <= full_scale; ++k) {
        const float x = grid_x(k);
        ASSERT_NEAR(objective(x), static_cast<double>(reference_objective(x)), 1e-6) << k;
    }
}

TEST(objective_function, grid_maximum_and_next_peaks)
{
    const std::vector<grid_peak> peaks = grid_peaks();
    ASSERT_GE(peaks.size(), 4u);
    EXPECT_EQ(peaks[0].k, 48917);
    EXPECT_EQ(peaks[0].x, grid_x(48917));
    EXPECT_EQ(formatted("%3f", peaks[0].value), "1.501564");
    EXPECT_EQ(formatted("%3f", peaks[1].value), "1.409462");
    EXPECT_NEAR(peaks[1].x, -0.01485, 5e-5);
    EXPECT_EQ(formatted("%3f", peaks[2].value), "1.272213");
    EXPECT_NEAR(peaks[2].x, 0.67461, 5e-5);
    EXPECT_EQ(formatted("%3f", peaks[3].value), "1.008641");
    EXPECT_NEAR(peaks[3].x, 0.27202, 5e-5);
    for (std::int32_t k = 0; k <= full_scale; ++k) // nothing on the grid beats the first
        ASSERT_LE(static_cast<float>(objective(grid_x(k))), peaks[0].value) << k;
}
