// x^y (fdlibm's e_pow.c): log2 |x| in extra precision as t1 + t2, times y
// split in two, then 2 to that power; the edges as C's pow defines them.
//
// After fdlibm: Copyright (C) 1993 by Sun Microsystems, Inc. All rights
// reserved. Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this software is freely
// granted, provided that this notice is preserved.

#include "portable_math.h"
#include "portable_math_parts.h"

#include <cmath>
#include <limits>

namespace {
constexpr double huge = 1.0e300;
constexpr double tiny = 1.0e-300;
constexpr double two_53 = 9007199254740992.0;
constexpr double log_coefficients[] = {5.99999999999994648725e-01, 4.28571428578550184252e-01,
                                       3.33333329818377432918e-01, 2.72728123808534006489e-01,
                                       2.30660745775561754067e-01, 2.06975017800338417784e-01};
constexpr double exp_coefficients[] = {1.66666666666666019037e-01, -2.77777777770155933842e-03,
                                       6.61375632143793436117e-05, -1.65339022054652515390e-06,
                                       4.13813679705723846039e-08};
constexpr double bp[] = {1.0, 1.5};
constexpr double dp_h[] = {0.0, 5.84962487220764160156e-01}; // log2(1.5), head
constexpr double dp_l[] = {0.0, 1.35003920212974897128e-08}; // and tail
constexpr double lg2 = 6.93147180559945286227e-01;
constexpr double lg2_h = 6.93147182464599609375e-01;
constexpr double lg2_l = -1.90465429995776804525e-09;
constexpr double ovt = 8.0085662595372944372e-017; // -(1024 - log2(largest + half an ulp))
constexpr double cp = 9.61796693925975554329e-01;  // 2/(3 ln 2)
constexpr double cp_h = 9.61796700954437255859e-01;
constexpr double cp_l = -7.02846165095275826516e-09;
constexpr double ivln2 = 1.44269504088896338700e+00; // 1/ln 2
constexpr double ivln2_h = 1.44269502162933349609e+00;
constexpr double ivln2_l = 1.92596299112661746887e-08;
constexpr std::int32_t magnitude_mask = 0x7fffffff;
constexpr std::int32_t one_high = 0x3ff00000;

struct words {
    std::int32_t high; // with the sign
    std::int32_t magnitude;
    std::uint32_t low;
};

words words_of(double v)
{
    const auto high = static_cast<std::int32_t>(high_word(v));
    return {high, high & magnitude_mask, low_word(v)};
}

// y as an integer, when x < 0: 0 if it is not one, 1 if odd, 2 if even.
int integer_kind(words y)
{
    if (y.magnitude >= 0x43400000)
        return 2;
    if (y.magnitude < one_high)
        return 0;
    const int k = (y.magnitude >> 20) - 0x3ff;
    if (k > 20) {
        const std::uint32_t j = y.low >> (52 - k);
        return (j << (52 - k)) == y.low ? 2 - static_cast<int>(j & 1) : 0;
    }
    if (y.low != 0)
        return 0;
    const std::int32_t j = y.magnitude >> (20 - k);
    return (j << (20 - k)) == y.magnitude ? 2 - (j & 1) : 0;
}

// The results that need no logarithm: true, with it in result, when x or
// y is NaN, 0, infinite or 1, or y is -1, 2 or 1/2.
bool edge(double x, double y, words wx, words wy, int kind, double& result)
{
    if ((wy.magnitude | static_cast<std::int32_t>(wy.low)) == 0 ||
        (wx.high == one_high && wx.low == 0)) {
        result = 1.0;
        return true;
    }
    if (std::isnan(x) || std::isnan(y)) {
        result = x + y;
        return true;
    }
    if (wy.low == 0) {
        if (wy.magnitude == 0x7ff00000) {
            if (((wx.magnitude - one_high) | static_cast<std::int32_t>(wx.low)) == 0)
                result = 1.0;
            else if (wx.magnitude >= one_high)
                result = wy.high >= 0 ? y : 0.0;
            else
                result = wy.high >= 0 ? 0.0 : -y;
            return true;
        }
        if (wy.magnitude == one_high) {
            result = wy.high >= 0 ? x : 1.0 / x;
            return true;
        }
        if (wy.high == 0x40000000 || (wy.high == 0x3fe00000 && wx.high >= 0)) {
            result = wy.high == 0x40000000 ? x * x : std::sqrt(x);
            return true;
        }
    }
    if (wx.low == 0 &&
        (wx.magnitude == 0x7ff00000 || wx.magnitude == 0 || wx.magnitude == one_high)) {
        double z = std::fabs(x);
        if (wy.high < 0)
            z = 1.0 / z;
        if (wx.high < 0 && ((wx.magnitude - one_high) | kind) == 0)
            z = std::numeric_limits<double>::quiet_NaN();
        else if (wx.high < 0 && kind == 1)
            z = -z;
        result = z;
        return true;
    }
    return false;
}

// log2 |x| as t1 + t2 for |x| within 2^-20 of 1, by its series.
void log2_near_one(double ax, double& t1, double& t2)
{
    const double t = ax - 1.0; // with 20 trailing zeros
    const double third = minus_product(0.3333333333333333333333, t, 0.25);
    const double inner = minus_product(0.5, t, third);
    const double w = (t * t) * inner;
    const double u = ivln2_h * t; // ivln2_h has 21 bits
    const double tail = t * ivln2_l;
    const double v = minus_product(tail, w, ivln2);
    t1 = head_of(u + v);
    t2 = v - (t1 - u);
}

// ax brought into [sqrt(2)/2, sqrt(2)) or about 1.5: ax = 2^n m, and which
// of bp the mantissa m is nearest (0 for 1, 1 for 1.5).
int log2_reduce(double& ax, int& n)
{
    auto ix = static_cast<std::int32_t>(high_word(ax));
    n = 0;
    if (ix < 0x00100000) {
        ax *= two_53;
        n -= 53;
        ix = static_cast<std::int32_t>(high_word(ax));
    }
    n += (ix >> 20) - 0x3ff;
    const std::int32_t j = ix & 0x000fffff;
    ix = j | one_high;
    int k = 0;
    if (j > 0x3988e && j < 0xbb67a) // sqrt(3/2) <= m < sqrt(3)
        k = 1;
    else if (j >= 0xbb67a) {
        n += 1;
        ix -= 0x00100000;
    }
    ax = from_words(static_cast<std::uint32_t>(ix), low_word(ax));
    return k;
}

// log2 |x| as t1 + t2, t1 with its low 32 bits zero.
void log2_extra(double ax, double& t1, double& t2)
{
    int n = 0;
    const int k = log2_reduce(ax, n);
    const auto ix = static_cast<std::int32_t>(high_word(ax));
    // ss = s_h + s_l = (m - bp)/(m + bp)
    const double u = ax - bp[k];
    const double v = 1.0 / (ax + bp[k]);
    const double ss = u * v;
    const double s_h = head_of(ss);
    const double t_h = from_words(
        static_cast<std::uint32_t>(((ix >> 1) | 0x20000000) + 0x00080000 + (k << 18)), 0);
    const double t_l = ax - (t_h - bp[k]);
    const double s_l = v * minus_product(minus_product(u, s_h, t_h), s_h, t_l);
    const double s2 = ss * ss;
    double r = (s2 * s2) * horner(s2, log_coefficients);
    r = plus_product(r, s_l, s_h + ss);
    const double sh2 = s_h * s_h;
    const double th = head_of((3.0 + sh2) + r);
    const double tl = r - ((th - 3.0) - sh2);
    const double uu = s_h * th;
    const double vv = plus_product(s_l * th, tl, ss);
    const double p_h = head_of(uu + vv);
    const double p_l = vv - (p_h - uu);
    const double z_h = cp_h * p_h;
    const double z_l = plus_product(cp_l * p_h, p_l, cp) + dp_l[k];
    const auto t = static_cast<double>(n);
    t1 = head_of(((z_h + z_l) + dp_h[k]) + t);
    t2 = z_l - (((t1 - t) - dp_h[k]) - z_h);
}

// z 2^n, rounded once even when it is below the normal range.
double scaled(double z, std::int32_t n)
{
    constexpr int step = 600;
    const double down = z * double_of(static_cast<std::uint64_t>(0x3ff - step) << 52);
    return down * double_of(static_cast<std::uint64_t>(0x3ff + step + n) << 52);
}

// 2^(p_h + p_l), for |p_h + p_l| < 1075.
double exp2_extra(double p_h, double p_l, std::int32_t j)
{
    const std::int32_t i = j & magnitude_mask;
    std::int32_t k = (i >> 20) - 0x3ff;
    std::int32_t n = 0;
    if (i > 0x3fe00000) { // |z| > 1/2: n = [z + 1/2]
        n = j + (0x00100000 >> (k + 1));
        k = ((n & magnitude_mask) >> 20) - 0x3ff;
        const double t = from_words(static_cast<std::uint32_t>(n & ~(0x000fffff >> k)), 0);
        n = ((n & 0x000fffff) | 0x00100000) >> (20 - k);
        if (j < 0)
            n = -n;
        p_h -= t;
    }
    const double t = head_of(p_l + p_h);
    const double u = t * lg2_h;
    const double v = plus_product((p_l - (t - p_h)) * lg2, t, lg2_l);
    const double z = u + v;
    const double w = v - (z - u);
    const double tt = z * z;
    const double t1 = minus_product(z, tt, horner(tt, exp_coefficients));
    const double r = (z * t1) / (t1 - 2.0) - plus_product(w, z, w);
    const double result = 1.0 - (r - z);
    const std::int32_t high = static_cast<std::int32_t>(high_word(result)) + n * (1 << 20);
    if ((high >> 20) <= 0)
        return scaled(result, n);
    return from_words(static_cast<std::uint32_t>(high), low_word(result));
}

// Whether y log2|x| = p[0] + p[1] lies beyond the doubles: sets result to
// the infinity or zero of sign s.
bool out_of_range(const double (&p)[2], double s, double& result)
{
    const double p_h = p[0];
    const double p_l = p[1];
    const double z = p_l + p_h;
    const auto j = static_cast<std::int32_t>(high_word(z));
    const std::uint32_t i = low_word(z);
    if (j >= 0x40900000) { // z >= 1024
        if (((static_cast<std::uint32_t>(j) - 0x40900000u) | i) != 0 || p_l + ovt > z - p_h) {
            result = s * huge * huge;
            return true;
        }
    } else if ((j & magnitude_mask) >= 0x4090cc00) { // z <= -1075
        if (((static_cast<std::uint32_t>(j) - 0xc090cc00u) | i) != 0 || p_l <= z - p_h) {
            result = s * tiny * tiny;
            return true;
        }
    }
    return false;
}

// |y| > 2^31 with |x| not within 2^-20 of 1: the result overflows or underflows.
bool huge_power(words wx, words wy, double s, double& result)
{
    const bool grows = wx.magnitude >= one_high ? wy.high > 0 : wy.high < 0;
    if (wy.magnitude > 0x43f00000 && (wx.magnitude <= 0x3fefffff || wx.magnitude >= one_high)) {
        result = grows ? huge * huge : tiny * tiny;
        return true;
    }
    if (wx.magnitude < 0x3fefffff || wx.magnitude > one_high) {
        result = grows ? s * huge * huge : s * tiny * tiny;
        return true;
    }
    return false;
}
} // namespace

double portable_pow(double x, double y)
{
    const words wx = words_of(x);
    const words wy = words_of(y);
    const int kind = wx.high < 0 ? integer_kind(wy) : 0;
    double result = 0.0;
    if (edge(x, y, wx, wy, kind, result))
        return result;
    if (wx.high < 0 && kind == 0)
        return std::numeric_limits<double>::quiet_NaN();
    const double s = wx.high < 0 && kind == 1 ? -1.0 : 1.0;
    double t1 = 0.0;
    double t2 = 0.0;
    if (wy.magnitude > 0x41e00000) { // |y| > 2^31
        if (huge_power(wx, wy, s, result))
            return result;
        log2_near_one(std::fabs(x), t1, t2);
    } else {
        log2_extra(std::fabs(x), t1, t2);
    }
    // (y1 + y2)(t1 + t2), y1 the head of y.
    const double y1 = head_of(y);
    const double p_l = plus_product((y - y1) * t1, y, t2);
    const double p_h = y1 * t1;
    if (out_of_range({p_h, p_l}, s, result))
        return result;
    return s * exp2_extra(p_h, p_l, static_cast<std::int32_t>(high_word(p_l + p_h)));
}
