#include "draws.h"

#include <random>

namespace {
// The one global; one per thread, so that threads running searches side by
// side never share draws.
thread_local std::mt19937 generator;

constexpr std::uint32_t uniform_steps = 10000;
constexpr long double uniform_resolution = 0.0001L; // 1 / uniform_steps, in extended precision
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
    return static_cast<double>(step * uniform_resolution * (hi - lo) + lo);
}
