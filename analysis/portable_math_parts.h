// What the portable functions share: the words of a double, a product
// and a sum rounded one after the other, the reduction by pi/2 and the
// kernels of sin, cos and tan on [-pi/4, pi/4].
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// The bits of a double and the double of some bits (std::bit_cast, which
// not every standard library in use has yet).
inline std::uint64_t bits_of(double x)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}
inline double double_of(std::uint64_t bits)
{
    double x = 0.0;
    std::memcpy(&x, &bits, sizeof x);
    return x;
}

// The upper and lower 32 bits of x, and the double that they make.
inline std::uint32_t high_word(double x)
{
    return static_cast<std::uint32_t>(bits_of(x) >> 32);
}
inline std::uint32_t low_word(double x)
{
    return static_cast<std::uint32_t>(bits_of(x));
}
inline double from_words(std::uint32_t high, std::uint32_t low)
{
    return double_of(static_cast<std::uint64_t>(high) << 32 | low);
}
// x with its lower 32 bits cleared: the head of a split in two.
inline double head_of(double x)
{
    return from_words(high_word(x), 0);
}

// c + a*b, the product rounded before the sum.
inline double plus_product(double c, double a, double b)
{
    const double product = a * b;
    return c + product;
}

// c - a*b, the product rounded before the difference.
inline double minus_product(double c, double a, double b)
{
    const double product = a * b;
    return c - product;
}

// c[0] + z*(c[1] + z*(c[2] + ... + z*c[n-1])), rounded step by step.
template <std::size_t n>
double horner(double z, const double (&c)[n])
{
    double sum = c[n - 1];
    for (std::size_t i = n - 1; i-- > 0;)
        sum = plus_product(c[i], z, sum);
    return sum;
}

// x - n*pi/2 as y[0] + y[1], with |y[0] + y[1]| <= pi/4; returns n (its
// low bits are all that matter). For finite x with |x| > pi/4.
int half_pi_remainder(double x, double* y);
// The same for a huge |x|, given as nx 24-bit pieces x[i] * 2^(e0 - 24i),
// positive; returns n modulo 8.
int half_pi_remainder_large(const double* x, int nx, double* y, int e0);

// sin, cos and tan of x + y for |x + y| <= pi/4, y the tail of x (tail_used
// says whether it is not zero); tan gives -1/tan when odd is set.
double sin_kernel(double x, double y, bool tail_used);
double cos_kernel(double x, double y);
double tan_kernel(double x, double y, bool odd);
