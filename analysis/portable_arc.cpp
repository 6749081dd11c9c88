// asin, acos and atan (fdlibm's e_asin.c, e_acos.c and s_atan.c): a
// rational function near zero, and identities that bring the rest there.
//
// After fdlibm: Copyright (C) 1993 by Sun Microsystems, Inc. All rights
// reserved. Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this software is freely
// granted, provided that this notice is preserved.

#include "portable_math.h"
#include "portable_math_parts.h"

#include <cmath>

namespace {
constexpr std::uint32_t magnitude_mask = 0x7fffffff;
constexpr std::uint32_t one_high = 0x3ff00000;
constexpr std::uint32_t half_high = 0x3fe00000;
constexpr double half_pi_head = 1.57079632679489655800e+00;
constexpr double half_pi_tail = 6.12323399573676603587e-17;
constexpr double arc_numerator[] = {1.66666666666666657415e-01, -3.25565818622400915405e-01,
                                    2.01212532134862925881e-01, -4.00555345006794114027e-02,
                                    7.91534994289814532176e-04, 3.47933107596021167570e-05};
constexpr double arc_denominator[] = {1.0, -2.40339491173441421878e+00, 2.02094576023350569471e+00,
                                      -6.88283971605453293030e-01, 7.70381505559019352791e-02};

// (asin(sqrt z) - sqrt z) / sqrt z^3, for 0 <= z <= 1/2.
double arc_ratio(double z)
{
    const double p = z * horner(z, arc_numerator);
    const double q = horner(z, arc_denominator);
    return p / q;
}

bool negative(double x)
{
    return (high_word(x) >> 31) != 0;
}

// |x| >= 1 or NaN: the value at +-1, or NaN. at_one is f(1), at_minus_one f(-1).
double beyond_one(double x, double at_one, double at_minus_one)
{
    if ((((high_word(x) & magnitude_mask) - one_high) | low_word(x)) == 0)
        return negative(x) ? at_minus_one : at_one;
    return 0.0 / (x - x);
}

// asin |x| for 1/2 <= |x| < 1, from asin x = pi/2 - 2 asin(sqrt((1-|x|)/2)).
double asin_far(double x)
{
    const double z = (1.0 - std::fabs(x)) * 0.5;
    const double s = std::sqrt(z);
    const double r = arc_ratio(z);
    if ((high_word(x) & magnitude_mask) >= 0x3fef3333) { // |x| > 0.975
        const double twice = 2.0 * plus_product(s, s, r);
        return half_pi_head - (twice - half_pi_tail);
    }
    // s split as f + c, f its head, so that 2f is exact.
    const double f = head_of(s);
    const double c = minus_product(z, f, f) / (s + f);
    const double sr = 2.0 * s * r;
    const double c_part = minus_product(half_pi_tail, 2.0, c);
    const double f_part = minus_product(0.5 * half_pi_head, 2.0, f);
    return 0.5 * half_pi_head - ((sr - c_part) - f_part);
}

// atan's coefficients, odd and even terms in w = x^4.
constexpr double atan_odd[] = {3.33333333333329318027e-01, 1.42857142725034663711e-01,
                               9.09088713343650656196e-02, 6.66107313738753120669e-02,
                               4.97687799461593236017e-02, 1.62858201153657823623e-02};
constexpr double atan_even[] = {-1.99999999998764832476e-01, -1.11111104054623557880e-01,
                                -7.69187620504482999495e-02, -5.83357013379057348645e-02,
                                -3.65315727442169155270e-02};
// atan of 0.5, 1, 1.5 and infinity, each as a head and a tail.
constexpr double atan_head[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                9.82793723247329054082e-01, 1.57079632679489655800e+00};
constexpr double atan_tail[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                                1.39033110312309984516e-17, 6.12323399573676603587e-17};

// |x| brought near zero by atan x = atan c + atan((x - c)/(1 + cx)), c one
// of 0.5, 1, 1.5 or infinity: returns which, -1 for none.
int atan_reduce(double& x)
{
    const std::uint32_t ix = high_word(x) & magnitude_mask;
    if (ix < 0x3fdc0000) // 0.4375
        return -1;
    x = std::fabs(x);
    if (ix < 0x3fe60000) { // 11/16
        const double twice = 2.0 * x;
        x = (twice - 1.0) / (2.0 + x);
        return 0;
    }
    if (ix < 0x3ff30000) { // 19/16
        x = (x - 1.0) / (x + 1.0);
        return 1;
    }
    if (ix < 0x40038000) { // 2.4375
        x = (x - 1.5) / plus_product(1.0, 1.5, x);
        return 2;
    }
    x = -1.0 / x;
    return 3;
}
} // namespace

double portable_asin(double x)
{
    const std::uint32_t ix = high_word(x) & magnitude_mask;
    if (ix >= one_high)
        return beyond_one(x, x * half_pi_head, x * half_pi_head);
    if (ix < half_high) {
        if (ix < 0x3e500000 && ix >= 0x00100000) // 2^-26 > |x| >= 2^-1022
            return x;
        return plus_product(x, x, arc_ratio(x * x));
    }
    const double y = asin_far(x);
    return negative(x) ? -y : y;
}

double portable_acos(double x)
{
    const std::uint32_t ix = high_word(x) & magnitude_mask;
    if (ix >= one_high)
        return beyond_one(x, 0.0, 2.0 * half_pi_head);
    if (ix < half_high) {
        if (ix <= 0x3c600000) // 2^-57
            return half_pi_head;
        const double inner = minus_product(half_pi_tail, x, arc_ratio(x * x));
        return half_pi_head - (x - inner);
    }
    if (negative(x)) {
        const double z = (1.0 + x) * 0.5;
        const double s = std::sqrt(z);
        const double rs = arc_ratio(z) * s;
        const double w = rs - half_pi_tail;
        return 2.0 * (half_pi_head - (s + w));
    }
    const double z = (1.0 - x) * 0.5;
    const double s = std::sqrt(z);
    const double df = head_of(s);
    const double c = minus_product(z, df, df) / (s + df);
    const double w = plus_product(c, arc_ratio(z), s);
    return 2.0 * (df + w);
}

double portable_atan(double x)
{
    const std::uint32_t ix = high_word(x) & magnitude_mask;
    const bool below = negative(x);
    if (ix >= 0x44100000) { // 2^66
        if (std::isnan(x))
            return x;
        return below ? -atan_head[3] : atan_head[3];
    }
    if (ix < 0x3e400000) // 2^-27
        return x;
    const int id = atan_reduce(x);
    const double z = x * x;
    const double w = z * z;
    const double s1 = z * horner(w, atan_odd);
    const double s2 = w * horner(w, atan_even);
    if (id < 0)
        return minus_product(x, x, s1 + s2);
    const double xs = x * (s1 + s2);
    const double y = atan_head[id] - ((xs - atan_tail[id]) - x);
    return below ? -y : y;
}
