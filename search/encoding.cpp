#include "encoding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <new>

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the program's fixed argument order
std::int32_t bit_count_for(float precision, float lower, float upper)
{
    const double span = std::log(static_cast<double>(upper - lower)); // width in float
    const double step = std::log(static_cast<double>(precision));
    const float bits = static_cast<float>((span - step) / std::log(2.0));
    return static_cast<std::int32_t>(std::ceil(bits));
}

std::int32_t* allocate_bits(std::int32_t n)
{
    // Never ask for zero elements, so that null always means exhaustion.
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 1;
    auto* bits = new (std::nothrow) std::int32_t[count];
    if (bits == nullptr) {
        std::printf("Falta memoria para alocar o vetor de ponteiros");
        std::exit(1); // flushes standard output
    }
    return bits;
}

void release_bits(std::int32_t* bits) // NOLINT(readability-non-const-parameter): it ends the vector
{
    delete[] bits;
}

// Each power of two is a double and the sum is truncated back to an integer
// after each addition, as the program has always done it. Halving a power of
// two is exact, so the powers cost one ldexp per call rather than one pow
// per bit: decoding is most of the cost of a search.
std::int32_t bits_to_integer(const std::int32_t* bits, std::int32_t n)
{
    if (n <= 0)
        return 0;
    std::int32_t value = 0;
    double power = std::ldexp(1.0, n - 1); // 2^(n-1-i) for element i
    for (std::int32_t i = 0; i < n; ++i, power /= 2)
        if (bits[i] == 1)
            value = static_cast<std::int32_t>(value + power);
    return value;
}

double decode_integer(std::int32_t k, const grid& g)
{
    const double low = g.lower;
    return low - ((low - g.upper) * k) / g.full_scale;
}

double decode_bits(const std::int32_t* bits, std::int32_t full_scale, std::int32_t n, float lower,
                   float upper)
{
    return decode_integer(bits_to_integer(bits, n), {n, full_scale, lower, upper});
}

void flip_bit(std::int32_t* bits, std::int32_t i)
{
    bits[i] = bits[i] == 0 ? 1 : 0;
}

std::int32_t flip_bit_change(std::int32_t* bits, std::int32_t n, std::int32_t i)
{
    const std::int32_t weight = std::int32_t{1} << (n - 1 - i);
    const std::int32_t before = bits[i];
    flip_bit(bits, i);
    if (before == 1)
        return -weight;
    return before == 0 ? weight : 0; // anything else counted as 0 and becomes 0
}

void copy_bits(std::int32_t* destination, const std::int32_t* source, std::int32_t n)
{
    if (n > 0)
        std::copy_n(source, n, destination);
}

void print_bits_to(std::FILE* out, const std::int32_t* bits, std::int32_t n)
{
    std::fputs("[", out);
    for (std::int32_t i = 0; i + 1 < n; ++i) // written so that n - 1 cannot overflow
        std::fprintf(out, "%1d ", bits[i]);
    if (n > 0)
        std::fprintf(out, "%1d", bits[n - 1]);
    std::fputs("]\n", out);
}

void print_bits(const std::int32_t* bits, std::int32_t n)
{
    print_bits_to(stdout, bits, n);
}
