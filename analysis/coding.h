#pragma once
// How a bit vector stands for a grid point. The program reads its 17 bits
// as plain binary: the vector's integer value s is the grid point k. In the
// reflected Gray code, s = k ^ (k >> 1), so that neighbouring grid points
// always differ in one bit. A search moves on vectors either way, flipping
// one bit; only the grid point a vector stands for, and so its f, changes.

#include <cstdint>
#include <vector>

enum class coding {
    binary, // the program's: state s is grid point s
    gray,   // state s is grid point gray_decode(s)
};

// The codings' names, indexed by coding.
inline constexpr const char* coding_names[] = {"binary", "gray"};

// Returns the Gray code of k >= 0: 0, 1, 3, 2, 6, 7, 5, 4 for k = 0 .. 7.
constexpr std::int32_t gray_encode(std::int32_t k)
{
    return k ^ (k >> 1);
}

// Returns the k >= 0 whose Gray code is g: each bit of k is the XOR of the
// bits of g at and above it.
constexpr std::int32_t gray_decode(std::int32_t g)
{
    for (std::int32_t shift = 1; shift < 32; shift *= 2)
        g ^= g >> shift;
    return g;
}

// Returns the grid point that the vector of integer value state stands for.
constexpr std::int32_t point_of(coding code, std::int32_t state)
{
    return code == coding::gray ? gray_decode(state) : state;
}

// Returns the integer value of the vector that stands for grid point k.
constexpr std::int32_t state_of(coding code, std::int32_t k)
{
    return code == coding::gray ? gray_encode(k) : k;
}

// Returns by_point (a value for each grid point) indexed by state instead:
// element s is by_point[point_of(code, s)].
template <typename T>
std::vector<T> by_state(coding code, const std::vector<T>& by_point)
{
    std::vector<T> result(by_point.size());
    for (std::size_t s = 0; s < result.size(); ++s)
        result[s] =
            by_point[static_cast<std::size_t>(point_of(code, static_cast<std::int32_t>(s)))];
    return result;
}
