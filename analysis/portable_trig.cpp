// sin, cos and tan: the argument brought within pi/4 of zero, then a
// polynomial on [-pi/4, pi/4] (fdlibm's k_sin.c, k_cos.c and k_tan.c).
//
// After fdlibm: Copyright (C) 1993 by Sun Microsystems, Inc. All rights
// reserved. Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this software is freely
// granted, provided that this notice is preserved.

#include "portable_math.h"
#include "portable_math_parts.h"

namespace {
constexpr std::uint32_t quarter_pi_high = 0x3fe921fb; // |x| ~<= pi/4
constexpr std::uint32_t not_finite_high = 0x7ff00000;
constexpr std::uint32_t magnitude_mask = 0x7fffffff;

// sin(x)/x - 1 ~ S1 z + z^2 (S2 + ... ), z = x^2.
constexpr double sin_s1 = -1.66666666666666324348e-01;
constexpr double sin_inner[] = {8.33333333332248946124e-03, -1.98412698298579493134e-04,
                                2.75573137070700676789e-06};
constexpr double sin_outer[] = {-2.50507602534068634195e-08, 1.58969099521155010221e-10};
constexpr double cos_inner[] = {4.16666666666666019037e-02, -1.38888888888741095749e-03,
                                2.48015872894767294178e-05};
constexpr double cos_outer[] = {-2.75573143513906633035e-07, 2.08757232129817482790e-09,
                                -1.13596475577881948265e-11};
// tan's odd and even coefficients, in w = x^4.
constexpr double tan_first = 3.33333333333334091986e-01;
constexpr double tan_odd[] = {1.33333333333201242699e-01, 2.18694882948595424599e-02,
                              3.59207910759131235356e-03, 5.88041240820264096874e-04,
                              7.81794442939557092300e-05, -1.85586374855275456654e-05};
constexpr double tan_even[] = {5.39682539762260521377e-02, 8.86323982359930005737e-03,
                               1.45620945432529025516e-03, 2.46463134818469906812e-04,
                               7.14072491382608190305e-05, 2.59073051863633712884e-05};
constexpr double quarter_pi = 7.85398163397448278999e-01;
constexpr double quarter_pi_tail = 3.06161699786838301793e-17;
constexpr std::uint32_t tan_big_high = 0x3fe59428; // |x| >= 0.6744

// tan(x + y) or -1/tan(x + y), the polynomial part: x + r is the value;
// xy holds x and y.
double tan_tail(const double (&xy)[2])
{
    const double x = xy[0];
    const double y = xy[1];
    const double z = x * x;
    const double w = z * z;
    const double odd = horner(w, tan_odd);
    const double even = z * horner(w, tan_even);
    const double s = z * x;
    const double inner = plus_product(y, s, odd + even);
    const double sum = plus_product(y, z, inner);
    return plus_product(sum, s, tan_first);
}

// -1/(x + r), with the division made exact to a few ulps by splitting.
double minus_reciprocal(double x, double r)
{
    const double w = x + r;
    const double w_head = head_of(w);
    const double v = r - (w_head - x);
    const double a = -1.0 / w;
    const double a_head = head_of(a);
    const double one_plus = plus_product(1.0, a_head, w_head);
    const double correction = plus_product(one_plus, a_head, v);
    return plus_product(a_head, a, correction);
}

// |x| <= pi/4, where no reduction is needed; and |x| below which sin x
// and tan x round to x, and cos x to 1.
bool within_quarter_pi(double x)
{
    return (high_word(x) & magnitude_mask) <= quarter_pi_high;
}
bool tiny(double x, std::uint32_t below_high)
{
    return (high_word(x) & magnitude_mask) < below_high;
}
constexpr std::uint32_t sin_tiny_high = 0x3e500000; // 2^-26
constexpr std::uint32_t cos_tiny_high = 0x3e46a09e; // 2^-27 sqrt 2
constexpr std::uint32_t tan_tiny_high = 0x3e400000; // 2^-27
} // namespace

double sin_kernel(double x, double y, bool tail_used)
{
    const double z = x * x;
    const double w = z * z;
    const double zw = z * w;
    const double r = plus_product(horner(z, sin_inner), zw, horner(z, sin_outer));
    const double v = z * x;
    if (!tail_used)
        return plus_product(x, v, plus_product(sin_s1, z, r));
    const double half_y = 0.5 * y;
    const double vr = v * r;
    const double zd = z * (half_y - vr);
    const double vs = v * sin_s1;
    return x - ((zd - y) - vs);
}

double cos_kernel(double x, double y)
{
    const double z = x * x;
    const double w = z * z;
    const double za = z * horner(z, cos_inner);
    const double ww = w * w;
    const double r = plus_product(za, ww, horner(z, cos_outer));
    const double hz = 0.5 * z;
    const double one_less = 1.0 - hz;
    const double zr = z * r;
    const double xy = x * y;
    return one_less + (((1.0 - one_less) - hz) + (zr - xy));
}

double tan_kernel(double x, double y, bool odd)
{
    const std::uint32_t hx = high_word(x);
    const bool big = (hx & magnitude_mask) >= tan_big_high;
    const bool negative = (hx >> 31) != 0;
    if (big) {
        if (negative) {
            x = -x;
            y = -y;
        }
        x = (quarter_pi - x) + (quarter_pi_tail - y);
        y = 0.0;
    }
    const double r = tan_tail({x, y});
    const double w = x + r;
    if (big) {
        const double s = odd ? -1.0 : 1.0;
        const double ww = w * w;
        const double twice = 2.0 * (x + (r - ww / (w + s)));
        const double v = s - twice;
        return negative ? -v : v;
    }
    return odd ? minus_reciprocal(x, r) : w;
}

namespace {
// sin(y[0] + y[1] + quadrant pi/2): cos x is sin in the next quadrant.
double sin_in_quadrant(int quadrant, const double (&y)[2])
{
    switch (quadrant & 3) {
    case 0:
        return sin_kernel(y[0], y[1], true);
    case 1:
        return cos_kernel(y[0], y[1]);
    case 2:
        return -sin_kernel(y[0], y[1], true);
    default:
        return -cos_kernel(y[0], y[1]);
    }
}

// Beyond a quarter of pi: NaN for an infinity or NaN, else in_quadrant(n, y)
// of x reduced to y[0] + y[1] within a quarter of pi plus n quarter turns.
template <class quadrant_function>
double beyond_quarter_pi(double x, quadrant_function in_quadrant)
{
    if ((high_word(x) & magnitude_mask) >= not_finite_high)
        return x - x;
    double y[2];
    const int n = half_pi_remainder(x, y);
    return in_quadrant(n, y);
}
} // namespace

double portable_sin(double x)
{
    if (within_quarter_pi(x))
        return tiny(x, sin_tiny_high) ? x : sin_kernel(x, 0.0, false);
    return beyond_quarter_pi(x, [](int n, const double(&y)[2]) { return sin_in_quadrant(n, y); });
}

double portable_cos(double x)
{
    if (within_quarter_pi(x))
        return tiny(x, cos_tiny_high) ? 1.0 : cos_kernel(x, 0.0);
    return beyond_quarter_pi(x,
                             [](int n, const double(&y)[2]) { return sin_in_quadrant(n + 1, y); });
}

double portable_tan(double x)
{
    if (within_quarter_pi(x))
        return tiny(x, tan_tiny_high) ? x : tan_kernel(x, 0.0, false);
    return beyond_quarter_pi(
        x, [](int n, const double(&y)[2]) { return tan_kernel(y[0], y[1], (n & 1) != 0); });
}
