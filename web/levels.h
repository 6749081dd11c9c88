#pragma once
// How the page and the tools' rows number levels: the first level is 1.

#include <cstdint>

// Returns the number of the level of index index (0 for the first): 1, 2, ...
constexpr std::int64_t level_number(std::int64_t index)
{
    return index + 1;
}

// Returns the number of the level that the last of made moves belongs to,
// moves_per_level a level; 0 before the first move.
constexpr std::int64_t level_of_moves(std::int64_t made, std::int32_t moves_per_level)
{
    return made <= 0 ? 0 : level_number((made - 1) / moves_per_level);
}
