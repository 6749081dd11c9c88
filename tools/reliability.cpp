#include "reliability.h"

#include <cstdio>

std::vector<double> basin_shares(const std::vector<run_outcome>& outcomes,
                                 const std::vector<std::int32_t>& basins, std::size_t peak_count)
{
    std::vector<double> shares(peak_count);
    for (const run_outcome& outcome : outcomes)
        shares[static_cast<std::size_t>(basins[static_cast<std::size_t>(outcome.k)])] +=
            1.0 / static_cast<double>(outcomes.size());
    return shares;
}
