#pragma once
// The pseudo-random source, one for each thread, and the draws built on it.
// Every random draw of the program goes through here, so fixing the seed
// makes a whole run repeatable, whichever thread it runs on.

#include <cstdint>

// --- The source -----------------------------------------------------------

// Restarts the calling thread's source from seed; the same seed gives the
// same draws.
void seed_random(std::uint32_t seed);

// Returns the next draw, a value in 0 .. 2^32 - 1 (never negative).
std::uint32_t next_random();

// --- Draws ----------------------------------------------------------------

// Returns a draw in [0, k) from the source; 0, without a draw, when k <= 0.
std::int32_t random_below(std::int32_t k);

// Sets each of the n elements of bits to random_below(2), element 0 first.
// Nothing for n <= 0.
void fill_random_bits(std::int32_t* bits, std::int32_t n);

// Returns the integer value of the n bits that fill_random_bits would set,
// with the same draws, element 0 the most significant; no vector is filled.
// 0, without a draw, for n <= 0. n must not exceed 31.
std::int32_t random_bits_value(std::int32_t n);

// Returns a value in [lo, hi) on a grid of 1/10000 of the width, drawn from
// the source; lo itself, without a draw, when lo == hi.
// uniform_between(0, 1) is one of 0.0000, 0.0001, ..., 0.9999.
double uniform_between(double lo, double hi);
