#include "reliability.h"

#include <cstdio>

std::vector<run_outcome> run_searches(long runs, std::uint32_t first_seed, progress& shown)
{
    const run_setup setup{study_method::anneal, problem_schedule, nullptr, nullptr};
    std::vector<run_outcome> outcomes;
    for (long i = 0; i < runs; ++i) {
        outcomes.push_back(run_once(setup, first_seed + static_cast<std::uint32_t>(i)));
        tick(shown);
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
