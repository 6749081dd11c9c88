#pragma once
// Many independent searches, to see how often one search finds the best
// point and where it ends when it does not.

#include "study.h"

#include <cstdint>
#include <vector>

// Returns the share of outcomes that ended in each basin, indexed like the
// peaks behind basins (see grid_basins); all zero for no outcomes.
std::vector<double> basin_shares(const std::vector<run_outcome>& outcomes,
                                 const std::vector<std::int32_t>& basins, std::size_t peak_count);
