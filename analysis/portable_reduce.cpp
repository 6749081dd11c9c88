// Reduction by pi/2: x - n*pi/2 in two doubles. Up to about 2^20 pi/2, pi/2
// in three pieces of 33 bits is enough (fdlibm's e_rem_pio2.c); beyond,
// x is multiplied by as many 24-bit digits of 2/pi as it needs, skipping
// those whose product is a multiple of 8 (fdlibm's k_rem_pio2.c).
//
// After fdlibm: Copyright (C) 1993 by Sun Microsystems, Inc. All rights
// reserved. Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this software is freely
// granted, provided that this notice is preserved.

#include "portable_math_parts.h"

#include <cmath>

namespace {
constexpr double to_integer = 6755399441055744.0; // 1.5 * 2^52
constexpr double quarter_pi = 0x1.921fb54442d18p-1;
constexpr double two_over_pi = 6.36619772367581382433e-01;
// pi/2 as pio2_1 + pio2_2 + pio2_3 + pio2_3t, each of 33 bits but the last;
// pio2_1t and pio2_2t are what remains after the first one and two.
constexpr double pio2_1 = 1.57079632673412561417e+00;
constexpr double pio2_1t = 6.07710050650619224932e-11;
constexpr double pio2_2 = 6.07710050630396597660e-11;
constexpr double pio2_2t = 2.02226624879595063154e-21;
constexpr double pio2_3 = 2.02226624871116645580e-21;
constexpr double pio2_3t = 8.47842766036889956997e-32;
// n*pio2_1 and n*pio2_1t for n = 0..4, each rounded once.
constexpr double pio2_1_times[] = {0.0, pio2_1, 2 * pio2_1, 3 * pio2_1, 4 * pio2_1};
constexpr double pio2_1t_times[] = {0.0, pio2_1t, 2 * pio2_1t, 3 * pio2_1t, 4 * pio2_1t};
constexpr std::uint32_t medium_limit_high = 0x413921fb; // 2^20 pi/2
constexpr std::uint32_t not_finite_high = 0x7ff00000;
constexpr int exponent_bias = 0x3ff;
constexpr double two_24 = 0x1p24;

// |x| below 9pi/4, and not within cancelling distance of a multiple of
// pi/2: the quadrant, from the high word, or 0 where the medium case
// must serve.
int small_quadrant(std::uint32_t ix)
{
    if (ix <= 0x400f6a7a) { // 5pi/4
        if ((ix & 0xfffff) == 0x921fb)
            return 0;
        return ix <= 0x4002d97c ? 1 : 2; // 3pi/4
    }
    if (ix <= 0x4015fdbc) // 7pi/4
        return ix == 0x4012d97c ? 0 : 3;
    return ix == 0x401921fb ? 0 : 4;
}

int small_remainder(double x, int n, bool negative, double* y)
{
    const double head = pio2_1_times[n];
    const double tail = pio2_1t_times[n];
    if (negative) {
        const double z = x + head;
        y[0] = z + tail;
        y[1] = (z - y[0]) + tail;
        return -n;
    }
    const double z = x - head;
    y[0] = z - tail;
    y[1] = (z - y[0]) - tail;
    return n;
}

int exponent_of(double x)
{
    return static_cast<int>(high_word(x) >> 20 & 0x7ff);
}

// One more round of pi/2's pieces, a piece and what remains after it: r
// and w become r - fn*piece, with the error of that subtraction and
// fn*(what remains) in w.
void next_round(double fn, const double (&piece)[2], double& r, double& w)
{
    const double t = r;
    w = fn * piece[0];
    r = t - w;
    const double lost = (t - r) - w;
    const double tail = fn * piece[1];
    w = tail - lost;
}

int medium_remainder(double x, double* y)
{
    const double scaled = x * two_over_pi;
    double fn = (scaled + to_integer) - to_integer;
    auto n = static_cast<int>(fn);
    double r = minus_product(x, fn, pio2_1);
    double w = fn * pio2_1t;
    // Only with directed rounding can r - w lie beyond pi/4.
    if (r - w < -quarter_pi || r - w > quarter_pi) {
        const int step = r - w < -quarter_pi ? -1 : 1;
        n += step;
        fn += step;
        r = minus_product(x, fn, pio2_1);
        w = fn * pio2_1t;
    }
    y[0] = r - w;
    const int ex = exponent_of(x);
    if (ex - exponent_of(y[0]) > 16) {
        next_round(fn, {pio2_2, pio2_2t}, r, w);
        y[0] = r - w;
        if (ex - exponent_of(y[0]) > 49) {
            next_round(fn, {pio2_3, pio2_3t}, r, w);
            y[0] = r - w;
        }
    }
    y[1] = (r - y[0]) - w;
    return n;
}

// |x| beyond 2^20 pi/2: its 53 bits as three 24-bit pieces.
int large_remainder(double x, double* y)
{
    constexpr std::uint64_t fraction_mask = ~std::uint64_t{0} >> 12;
    constexpr std::uint64_t exponent_23 = static_cast<std::uint64_t>(exponent_bias + 23) << 52;
    double z = double_of((bits_of(x) & fraction_mask) | exponent_23);
    double pieces[3];
    int i = 0;
    for (; i < 2; ++i) {
        pieces[i] = static_cast<double>(static_cast<std::int32_t>(z));
        z = (z - pieces[i]) * two_24;
    }
    pieces[i] = z;
    while (pieces[i] == 0.0)
        --i;
    const int e0 = exponent_of(x) - (exponent_bias + 23);
    double ty[2];
    const int n = half_pi_remainder_large(pieces, i + 1, ty, e0);
    const bool negative = (high_word(x) >> 31) != 0;
    y[0] = negative ? -ty[0] : ty[0];
    y[1] = negative ? -ty[1] : ty[1];
    return negative ? -n : n;
}
} // namespace

int half_pi_remainder(double x, double* y)
{
    const std::uint32_t ix = high_word(x) & 0x7fffffff;
    const bool negative = (high_word(x) >> 31) != 0;
    if (ix <= 0x401c463b) { // 9pi/4
        const int n = small_quadrant(ix);
        if (n != 0)
            return small_remainder(x, n, negative, y);
        return medium_remainder(x, y);
    }
    if (ix < medium_limit_high)
        return medium_remainder(x, y);
    if (ix >= not_finite_high) {
        y[0] = y[1] = x - x;
        return 0;
    }
    return large_remainder(x, y);
}
