#pragma once
// A solution is a bit vector: n elements of 0 or 1, element 0 the most
// significant. Its integer value k maps linearly onto [lower, upper]:
// x = lower - (lower - upper) * k / full_scale, full_scale = 2^n - 1.
//
// Example, n = 17 on [-2, 2]: bits 01011111100010101 are k = 48917 and
// x = -2 + 4 * 48917 / 131071 = -0.507160.

#include <cstdint>
#include <cstdio>

// The grid a vector is decoded on: its bit count, the value of the all-ones
// vector (2^bits - 1), and the interval it covers.
struct grid {
    std::int32_t bits;
    std::int32_t full_scale;
    float lower;
    float upper;
};

// --- Sizing ---------------------------------------------------------------

// Returns the bits needed to cover [lower, upper] in steps no coarser than
// precision: ceil(log2((upper - lower) / precision)). 17 for (6e-5, -2, 2).
std::int32_t bit_count_for(float precision, float lower, float upper);

// --- Life of a vector -----------------------------------------------------

// Returns a new vector of n elements, contents not initialised. When memory
// runs out, prints "Falta memoria para alocar o vetor de ponteiros" to
// standard output and ends the process with status 1. n <= 0 still gives a
// valid (one-element) block.
std::int32_t* allocate_bits(std::int32_t n);

// Returns a vector from allocate_bits to the heap. Null is ignored.
void release_bits(std::int32_t* bits);

// --- Decoding -------------------------------------------------------------

// Returns k, the sum of 2^(n-1-i) over the elements i that hold exactly 1;
// any other value counts as 0. 0 for n <= 0. n must not exceed 31.
std::int32_t bits_to_integer(const std::int32_t* bits, std::int32_t n);

// Returns x = lower - (lower - upper) * k / full_scale in double precision,
// for the integer value k of a vector on g; callers narrow it to float.
// k = 0 gives g.lower, k = g.full_scale gives g.upper.
double decode_integer(std::int32_t k, const grid& g);

// Returns decode_integer of bits_to_integer(bits, n): the x of a vector.
// All zeros give lower, all ones upper.
double decode_bits(const std::int32_t* bits, std::int32_t full_scale, std::int32_t n, float lower,
                   float upper);

// --- Changing a vector ----------------------------------------------------

// Element i becomes 1 if it is 0, and 0 otherwise (a 2 becomes 0).
void flip_bit(std::int32_t* bits, std::int32_t i);

// Flips element i as flip_bit does and returns how the integer value of the
// vector changed: a 0 adds 2^(n-1-i), a 1 takes it away, and anything else
// (which counted as 0 and becomes 0) changes nothing. So a search need not
// decode after every flip. 0 <= i < n <= 31.
std::int32_t flip_bit_change(std::int32_t* bits, std::int32_t n, std::int32_t i);

// Copies elements 0 .. n-1 of source into destination. Nothing for n <= 0.
void copy_bits(std::int32_t* destination, const std::int32_t* source, std::int32_t n);

// --- Printing -------------------------------------------------------------

// Prints the bits in brackets, separated by single blanks, then a newline:
// {1, 0, 1} prints "[1 0 1]\n". n <= 0 prints "[]\n".
void print_bits_to(std::FILE* out, const std::int32_t* bits, std::int32_t n);

// print_bits_to on standard output.
void print_bits(const std::int32_t* bits, std::int32_t n);
