// x mod pi/2 for a huge x. x arrives as a few 24-bit integers, and 2/pi
// as a table of its 24-bit digits; their product is formed only from the
// digits whose part of it is not a multiple of 8, so the work is the same
// for every exponent (fdlibm's k_rem_pio2.c, for doubles).
//
// After fdlibm: Copyright (C) 1993 by Sun Microsystems, Inc. All rights
// reserved. Developed at SunSoft, a Sun Microsystems, Inc. business.
// Permission to use, copy, modify, and distribute this software is freely
// granted, provided that this notice is preserved.

#include "portable_math_parts.h"

#include <cmath>

namespace {
// 2/pi after the binary point, 24 bits an entry: 1584 bits, enough for
// every finite double.
constexpr std::int32_t two_over_pi_digits[] = {
    0xA2F983, 0x6E4E44, 0x1529FC, 0x2757D1, 0xF534DD, 0xC0DB62, 0x95993C, 0x439041, 0xFE5163,
    0xABDEBB, 0xC561B7, 0x246E3A, 0x424DD2, 0xE00649, 0x2EEA09, 0xD1921C, 0xFE1DEB, 0x1CB129,
    0xA73EE8, 0x8235F5, 0x2EBB44, 0x84E99C, 0x7026B4, 0x5F7E41, 0x3991D6, 0x398353, 0x39F49C,
    0x845F8B, 0xBDF928, 0x3B1FF8, 0x97FFDE, 0x05980F, 0xEF2F11, 0x8B5A0A, 0x6D1F6D, 0x367ECF,
    0x27CB09, 0xB74F46, 0x3F669E, 0x5FEA2D, 0x7527BA, 0xC7EBE5, 0xF17B3D, 0x0739F7, 0x8A5292,
    0xEA6BFB, 0x5FB11F, 0x8D5D08, 0x560330, 0x46FC7B, 0x6BABF0, 0xCFBC20, 0x9AF436, 0x1DA9E3,
    0x91615E, 0xE61B08, 0x659985, 0x5F14A0, 0x68408D, 0xFFD880, 0x4D7327, 0x310606, 0x1556CA,
    0x73A8C9, 0x60E27B, 0xC08C6B,
};
// pi/2 in pieces of 24 bits.
constexpr double half_pi_pieces[] = {
    1.57079625129699707031e+00, 7.54978941586159635335e-08, 5.39030252995776476554e-15,
    3.28200341580791294123e-22, 1.27065575308067607349e-29, 1.22933308981111328932e-36,
    2.73370053816464559624e-44, 2.16741683877804819444e-51,
};
constexpr int first_terms = 4; // one less than the terms of 2/pi first used
constexpr int most_terms = 20;
constexpr double two_24 = 0x1p24;
constexpr double two_minus_24 = 0x1p-24;
constexpr std::int32_t digit_limit = 0x1000000;

// The product of x and 2/pi, in 24-bit integer chunks, with what the
// reduction needs to know of it.
struct product {
    const double* x;
    int last_x;   // index of x's last piece
    int skipped;  // digits of 2/pi skipped: their product is 0 mod 8
    int exponent; // of the chunk q[0]
    int last;     // index of the last chunk in use
    double f[most_terms];
    double q[most_terms];
    std::int32_t iq[most_terms];
};

double digit(int index)
{
    return index < 0 ? 0.0 : static_cast<double>(two_over_pi_digits[index]);
}

// q[i], the sum of x[j] f[last_x + i - j]: products of 24-bit integers, exact.
void form_chunk(product& p, int i)
{
    double sum = 0.0;
    for (int j = 0; j <= p.last_x; ++j)
        sum = plus_product(sum, p.x[j], p.f[p.last_x + i - j]);
    p.q[i] = sum;
}

// The chunks turned to 24-bit integers, last first; returns what remains:
// q[0] with the carries, not yet scaled by its exponent.
double distill(product& p)
{
    double z = p.q[p.last];
    for (int i = 0, j = p.last; j > 0; ++i, --j) {
        const double high = static_cast<double>(static_cast<std::int32_t>(two_minus_24 * z));
        const double low = minus_product(z, two_24, high);
        p.iq[i] = static_cast<std::int32_t>(low);
        z = p.q[j - 1] + high;
    }
    return z;
}

// Takes the integer part of the product, modulo 8, into n and leaves its
// fraction in z; returns 0, or 1 or 2 when the fraction is at least 1/2.
int split_integer(product& p, double& z, int& n)
{
    z = std::ldexp(z, p.exponent);
    const double eights = std::floor(z * 0.125);
    z = minus_product(z, 8.0, eights);
    n = static_cast<int>(z);
    z -= static_cast<double>(n);
    std::int32_t& top = p.iq[p.last - 1];
    if (p.exponent > 0) {
        const std::int32_t carried = top >> (24 - p.exponent);
        n += carried;
        top -= carried << (24 - p.exponent);
        return top >> (23 - p.exponent);
    }
    if (p.exponent == 0)
        return top >> 23;
    return z >= 0.5 ? 2 : 0;
}

// The fraction is at least 1/2: it becomes 1 - fraction, n one more.
void complement(product& p, double& z, int& n, int half)
{
    n += 1;
    bool carry = false;
    for (int i = 0; i < p.last; ++i) {
        const std::int32_t j = p.iq[i];
        if (carry)
            p.iq[i] = digit_limit - 1 - j;
        else if (j != 0) {
            carry = true;
            p.iq[i] = digit_limit - j;
        }
    }
    if (p.exponent == 1)
        p.iq[p.last - 1] &= 0x7fffff;
    else if (p.exponent == 2)
        p.iq[p.last - 1] &= 0x3fffff;
    if (half == 2) {
        z = 1.0 - z;
        if (carry)
            z -= std::ldexp(1.0, p.exponent);
    }
}

// How many more chunks the fraction needs when all of its bits so far
// have cancelled; 0 when none.
int chunks_missing(const product& p, double z)
{
    if (z != 0.0)
        return 0;
    std::int32_t any = 0;
    for (int i = p.last - 1; i >= first_terms; --i)
        any |= p.iq[i];
    if (any != 0)
        return 0;
    int k = 1;
    while (p.iq[first_terms - k] == 0)
        ++k;
    return k;
}

// The fraction's last chunk set from z, and leading zero chunks dropped.
void settle(product& p, double z)
{
    if (z == 0.0) {
        p.last -= 1;
        p.exponent -= 24;
        while (p.iq[p.last] == 0) {
            p.last -= 1;
            p.exponent -= 24;
        }
        return;
    }
    z = std::ldexp(z, -p.exponent);
    if (z < two_24) {
        p.iq[p.last] = static_cast<std::int32_t>(z);
        return;
    }
    const double high = static_cast<double>(static_cast<std::int32_t>(two_minus_24 * z));
    p.iq[p.last] = static_cast<std::int32_t>(minus_product(z, two_24, high));
    p.last += 1;
    p.exponent += 24;
    p.iq[p.last] = static_cast<std::int32_t>(high);
}

// The fraction's chunks times pi/2, summed into y[0] + y[1].
void times_half_pi(product& p, bool negative, double* y)
{
    double scale = std::ldexp(1.0, p.exponent);
    for (int i = p.last; i >= 0; --i) {
        p.q[i] = scale * static_cast<double>(p.iq[i]);
        scale *= two_minus_24;
    }
    double fq[most_terms] = {};
    for (int i = p.last; i >= 0; --i) {
        double sum = 0.0;
        for (int k = 0; k <= first_terms && k <= p.last - i; ++k)
            sum = plus_product(sum, half_pi_pieces[k], p.q[i + k]);
        fq[p.last - i] = sum;
    }
    double head = 0.0;
    for (int i = p.last; i >= 0; --i)
        head += fq[i];
    double tail = fq[0] - head;
    for (int i = 1; i <= p.last; ++i)
        tail += fq[i];
    y[0] = negative ? -head : head;
    y[1] = negative ? -tail : tail;
}
} // namespace

int half_pi_remainder_large(const double* x, int nx, double* y, int e0)
{
    product p{};
    p.x = x;
    p.last_x = nx - 1;
    p.skipped = (e0 - 3) / 24 < 0 ? 0 : (e0 - 3) / 24;
    p.exponent = e0 - 24 * (p.skipped + 1);
    for (int i = 0; i <= p.last_x + first_terms; ++i)
        p.f[i] = digit(p.skipped - p.last_x + i);
    for (int i = 0; i <= first_terms; ++i)
        form_chunk(p, i);
    p.last = first_terms;
    for (;;) {
        double z = distill(p);
        int n = 0;
        const int half = split_integer(p, z, n);
        if (half > 0)
            complement(p, z, n, half);
        const int missing = chunks_missing(p, z);
        if (missing == 0) {
            settle(p, z);
            times_half_pi(p, half > 0, y);
            return n & 7;
        }
        for (int i = p.last + 1; i <= p.last + missing; ++i) {
            p.f[p.last_x + i] = digit(p.skipped + i);
            form_chunk(p, i);
        }
        p.last += missing;
    }
}
