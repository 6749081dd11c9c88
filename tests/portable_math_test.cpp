// The portable elementary functions against the C library's: within one
// unit in the last place everywhere (both are faithful, so they can differ
// by no more), and equal at the edges that C defines.

#include "portable_math.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace {
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();

// How many doubles lie between a and b; NaN is as far from a number as can be.
std::uint64_t ulps_apart(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b) ? 0 : UINT64_MAX;
    const auto order = [](double v) {
        const auto bits = std::bit_cast<std::int64_t>(v);
        return bits < 0 ? INT64_MIN - bits : bits;
    };
    const std::int64_t d = order(a) - order(b);
    return static_cast<std::uint64_t>(d < 0 ? -d : d);
}

struct one_argument {
    const char* name;
    double (*portable)(double);
    double (*library)(double);
    double low, high;
};

const one_argument functions[] = {
    {"sin", portable_sin, [](double x) { return std::sin(x); }, -10, 10},
    {"sin of a huge x", portable_sin, [](double x) { return std::sin(x); }, -1e300, 1e300},
    {"cos", portable_cos, [](double x) { return std::cos(x); }, -10, 10},
    {"cos beyond 2^20 pi/2", portable_cos, [](double x) { return std::cos(x); }, -1e9, 1e9},
    {"tan", portable_tan, [](double x) { return std::tan(x); }, -10, 10},
    {"tan of a huge x", portable_tan, [](double x) { return std::tan(x); }, -1e22, 1e22},
    {"asin", portable_asin, [](double x) { return std::asin(x); }, -1, 1},
    {"acos", portable_acos, [](double x) { return std::acos(x); }, -1, 1},
    {"atan", portable_atan, [](double x) { return std::atan(x); }, -5, 5},
    {"atan of a large x", portable_atan, [](double x) { return std::atan(x); }, -1e20, 1e20},
    {"exp", portable_exp, [](double x) { return std::exp(x); }, -745, 709},
    {"exp near 0", portable_exp, [](double x) { return std::exp(x); }, -1, 1},
    {"log", portable_log, [](double x) { return std::log(x); }, 0, 4},
    {"log of a large x", portable_log, [](double x) { return std::log(x); }, 0, 1e300},
};
} // namespace

TEST(portable_math, within_an_ulp_of_the_c_library)
{
    constexpr int points = 20000;
    std::mt19937_64 random(11);
    for (const one_argument& f : functions) {
        std::uniform_real_distribution<double> draw(f.low, f.high);
        for (int i = 0; i < points; ++i) {
            const double x = draw(random);
            ASSERT_LE(ulps_apart(f.portable(x), f.library(x)), 1U) << f.name << " at " << x;
        }
    }
    std::uniform_real_distribution<double> base(0, 5);
    std::uniform_real_distribution<double> exponent(-60, 60);
    for (int i = 0; i < points; ++i) {
        const double x = base(random);
        const double y = i % 2 == 0 ? std::round(exponent(random)) : exponent(random);
        ASSERT_LE(ulps_apart(portable_pow(x, y), std::pow(x, y)), 1U) << x << "^" << y;
        ASSERT_LE(ulps_apart(portable_pow(-x, std::round(y)), std::pow(-x, std::round(y))), 1U)
            << -x << "^" << y;
    }
}

// How far the portable value may lie from C's: not at all where C's is
// 0, infinite or NaN (signs included), else one ulp.
std::uint64_t allowed(double expected)
{
    const bool exact = !std::isfinite(expected) || expected == 0.0;
    return exact ? 0U : 1U;
}

// Zeros with their signs, infinities, NaN, subnormals, ones, the ends of
// asin's and acos's domain and the largest doubles.
TEST(portable_math, follows_the_c_library_at_the_edges)
{
    const double edges[] = {0.0,
                            -0.0,
                            1.0,
                            -1.0,
                            0.5,
                            -0.5,
                            2.0,
                            -3.0,
                            1e-310,
                            -1e-310,
                            1e308,
                            -1e308,
                            inf,
                            -inf,
                            not_a_number,
                            1.0000000000000002,
                            0.9999999999999999};
    for (const double x : edges) {
        for (const one_argument& f : functions) {
            const double expected = f.library(x);
            EXPECT_LE(ulps_apart(f.portable(x), expected), allowed(expected))
                << f.name << " at " << x;
        }
        for (const double y : edges) {
            const double expected = std::pow(x, y);
            EXPECT_LE(ulps_apart(portable_pow(x, y), expected), allowed(expected)) << x << "^" << y;
        }
    }
}
