// e^x and log x (fdlibm's e_exp.c and e_log.c): x reduced by multiples of
// log 2, and a polynomial on what remains.
//
// After fdlibm: Copyright (C) 1993 by Sun Microsystems, Inc. All rights
// reserved. Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this software is freely
// granted, provided that this notice is preserved.

#include "portable_math.h"
#include "portable_math_parts.h"

#include <limits>

namespace {
constexpr double ln2_head = 6.93147180369123816490e-01; // its low 32 bits zero
constexpr double ln2_tail = 1.90821492927058770002e-10;
constexpr double inverse_ln2 = 1.44269504088896338700e+00;
constexpr double overflow_above = 7.09782712893383973096e+02;
constexpr double underflow_below = -7.45133219101941108420e+02;
constexpr double exp_coefficients[] = {1.66666666666666019037e-01, -2.77777777770155933842e-03,
                                       6.61375632143793436117e-05, -1.65339022054652515390e-06,
                                       4.13813679705723846039e-08};
constexpr double log_even[] = {3.999999999940941908e-01, 2.222219843214978396e-01,
                               1.531383769920937332e-01};
constexpr double log_odd[] = {6.666666666666735130e-01, 2.857142874366239149e-01,
                              1.818357216161805012e-01, 1.479819860511658591e-01};
constexpr std::uint32_t magnitude_mask = 0x7fffffff;
constexpr int exponent_bias = 0x3ff;
constexpr double two_minus_1000 = 0x1p-1000;

// 2^k, for k from -1022 to 1023.
double power_of_two(int k)
{
    return double_of(static_cast<std::uint64_t>(exponent_bias + k) << 52);
}

// x = k ln 2 + (hi - lo), |hi - lo| <= ln 2 / 2.
struct exp_reduced {
    int k;
    double hi, lo;
};

exp_reduced exp_reduce(double x)
{
    const std::uint32_t hx = high_word(x) & magnitude_mask;
    const bool below = (high_word(x) >> 31) != 0;
    if (hx <= 0x3fd62e42) { // |x| <= ln 2 / 2
        return {0, x, 0.0};
    }
    if (hx < 0x3ff0a2b2) { // |x| < 1.5 ln 2
        if (below)
            return {-1, x + ln2_head, -ln2_tail};
        return {1, x - ln2_head, ln2_tail};
    }
    const double scaled = x * inverse_ln2;
    const int k = static_cast<int>(scaled + (below ? -0.5 : 0.5));
    const auto t = static_cast<double>(k);
    return {k, minus_product(x, t, ln2_head), t * ln2_tail}; // t ln2_head is exact
}
} // namespace

double portable_exp(double x)
{
    if (x != x)
        return x + x;
    if (x > overflow_above)
        return std::numeric_limits<double>::infinity();
    if (x < underflow_below)
        return 0.0;
    if ((high_word(x) & magnitude_mask) < 0x3e300000) // |x| < 2^-28
        return 1.0 + x;
    const auto [k, hi, lo] = exp_reduce(x);
    const double r = k == 0 ? x : hi - lo;
    const double t = r * r;
    const double c = minus_product(r, t, horner(t, exp_coefficients));
    const double rc = r * c;
    if (k == 0)
        return 1.0 - (rc / (c - 2.0) - r);
    const double y = 1.0 - ((lo - rc / (2.0 - c)) - hi);
    if (k >= -1021)
        return k == 1024 ? y * 2.0 * power_of_two(1023) : y * power_of_two(k);
    return y * power_of_two(k + 1000) * two_minus_1000;
}

double portable_log(double x)
{
    std::uint32_t hx = high_word(x);
    int k = 0;
    if (hx < 0x00100000 || (hx >> 31) != 0) {
        if ((bits_of(x) << 1) == 0)
            return -std::numeric_limits<double>::infinity();
        if ((hx >> 31) != 0)
            return std::numeric_limits<double>::quiet_NaN();
        k -= 54; // subnormal: scaled up to a normal number
        x *= 0x1p54;
        hx = high_word(x);
    } else if (hx >= 0x7ff00000) {
        return x;
    } else if (x == 1.0) {
        return 0.0;
    }
    // x = 2^k (1 + f), with sqrt(2)/2 < 1 + f < sqrt(2).
    hx += 0x3ff00000 - 0x3fe6a09e;
    k += static_cast<int>(hx >> 20) - exponent_bias;
    hx = (hx & 0x000fffff) + 0x3fe6a09e;
    const double f = from_words(hx, low_word(x)) - 1.0;
    const double hfsq = 0.5 * f * f;
    const double s = f / (2.0 + f);
    const double z = s * s;
    const double w = z * z;
    const double t1 = w * horner(w, log_even);
    const double t2 = z * horner(w, log_odd);
    const auto dk = static_cast<double>(k);
    const double sum = s * (hfsq + (t2 + t1));
    const double low = plus_product(sum, dk, ln2_tail);
    const double less = (low - hfsq) + f;
    return plus_product(less, dk, ln2_head);
}
