#include "draws.h"

#include <random>

namespace {
// std::mt19937, on 32-bit words: the standard engine holds its words as
// uint_fast32_t, 64 bits here, and draws the same numbers nearly three times
// slower.
using mt19937_32 =
    std::mersenne_twister_engine<std::uint32_t, 32, 624, 397, 31, 0x9908b0df, 11, 0xffffffff, 7,
                                 0x9d2c5680, 15, 0xefc60000, 18, 1812433253>;

// The one global; one per thread, so that threads running searches side by
// side never share draws.
thread_local mt19937_32 generator;

constexpr std::uint32_t uniform_steps = 10000;
} // namespace

void seed_random(std::uint32_t seed)
{
    generator.seed(seed);
}

std::uint32_t next_random()
{
    return static_cast<std::uint32_t>(generator());
}

std::int32_t random_below(std::int32_t k)
{
    if (k <= 0)
        return 0;
    return static_cast<std::int32_t>(next_random() % static_cast<std::uint32_t>(k));
}

void fill_random_bits(std::int32_t* bits, std::int32_t n)
{
    for (std::int32_t i = 0; i < n; ++i)
        bits[i] = random_below(2);
}

std::int32_t random_bits_value(std::int32_t n)
{
    std::int32_t k = 0;
    for (std::int32_t i = 0; i < n; ++i)
        k = 2 * k + random_below(2);
    return k;
}

double uniform_between(double lo, double hi)
{
    if (lo == hi)
        return lo;
    const std::uint32_t step = next_random() % uniform_steps;
    // In double, one operation a statement: on (0, 1), exactly step / 10000.
    const double fraction = static_cast<double>(step) / uniform_steps;
    const double width = hi - lo;
    const double scaled = fraction * width;
    return scaled + lo;
}
