#include "reliability.h"

#include <chrono>
#include <cstdio>

std::vector<run_outcome> run_searches(int runs, std::uint32_t first_seed, double seconds)
{
    const run_setup setup{study_method::anneal, problem_schedule, nullptr, nullptr};
    std::vector<run_outcome> outcomes;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    for (int i = 0; i < runs; ++i) {
        if (std::chrono::steady_clock::now() >= deadline)
            break;
        outcomes.push_back(run_once(setup, first_seed + static_cast<std::uint32_t>(i)));
    }
    return outcomes;
}

std::vector<double> basin_shares(const std::vector<run_outcome>& outcomes,
                                 const std::vector<std::int32_t>& basins, std::size_t peak_count)
{
    std::vector<double> shares(peak_count);
    for (const run_outcome& outcome : outcomes)
        shares[static_cast<std::size_t>(basins[static_cast<std::size_t>(outcome.k)])] +=
            1.0 / static_cast<double>(outcomes.size());
    return shares;
}
