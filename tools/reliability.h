#pragma once
// Many independent searches, to see how often one search finds the best
// point and where it ends when it does not.

#include "progress.h"
#include "study.h"

#include <cstdint>
#include <vector>

// Runs runs searches with the program's parameters, search i from a random
// start drawn, like its moves, from seed first_seed + i, and ticks shown
// once for each. Returns their outcomes, in order.
std::vector<run_outcome> run_searches(long runs, std::uint32_t first_seed, progress& shown);

// Returns the share of outcomes that ended in each basin, indexed like the
// peaks behind basins (see grid_basins); all zero for no outcomes.
std::vector<double> basin_shares(const std::vector<run_outcome>& outcomes,
                                 const std::vector<std::int32_t>& basins, std::size_t peak_count);
