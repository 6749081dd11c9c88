#include "draws.h"

#include <random>

namespace {
std::mt19937 generator; // the one global of the program

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
