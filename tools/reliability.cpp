#include "reliability.h"

#include "anneal.h"
#include "encoding.h"
#include "landscape.h"
#include "objective.h"
#include "problem.h"
#include "random.h"

#include <chrono>
#include <cstdio>

namespace {
// One search from a random start, as option 1 and then option 2 would do it.
search_outcome search_once(std::FILE* silent, std::uint32_t seed)
{
    std::int32_t bits[problem_bits];
    seed_random(seed);
    fill_random_bits(bits, problem_bits);
    float current = static_cast<float>(objective(static_cast<float>(
        decode_bits(bits, problem_full_scale, problem_bits, problem_lower, problem_upper))));
    anneal_to(silent, problem_bits, problem_full_scale, bits, &current, search_cooling,
              search_initial_temperature, search_final_temperature, problem_bits / 2, problem_lower,
              problem_upper);
    return {bits_to_integer(bits, problem_bits), current};
}
} // namespace

std::vector<search_outcome> run_searches(int runs, std::uint32_t first_seed, double seconds)
{
    std::FILE* silent = std::fopen("/dev/null", "w");
    std::vector<search_outcome> outcomes;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (int i = 0; i < runs && silent != nullptr; ++i) {
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        outcomes.push_back(search_once(silent, first_seed + static_cast<std::uint32_t>(i)));
    }
    if (silent != nullptr)
        std::fclose(silent);
    return outcomes;
}

std::vector<double> basin_shares(const std::vector<search_outcome>& outcomes,
                                 const std::vector<std::int32_t>& basins, std::size_t peak_count)
{
    std::vector<double> shares(peak_count);
    for (const search_outcome& outcome : outcomes)
        shares[static_cast<std::size_t>(basins[static_cast<std::size_t>(outcome.k)])] +=
            1.0 / static_cast<double>(outcomes.size());
    return shares;
}
