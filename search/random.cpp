#include "random.h"

#include <random>

namespace {
std::mt19937 generator; // the one global of the program
}

void seed_random(std::uint32_t seed)
{
    generator.seed(seed);
}

std::uint32_t next_random()
{
    return static_cast<std::uint32_t>(generator());
}
