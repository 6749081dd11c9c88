#pragma once
// The process's one pseudo-random source. Every random draw of the program
// goes through it, so fixing its seed makes a whole run repeatable.

#include <cstdint>

// Restarts the source from seed; the same seed gives the same draws.
void seed_random(std::uint32_t seed);

// Returns the next draw, a value in 0 .. 2^32 - 1 (never negative).
std::uint32_t next_random();
