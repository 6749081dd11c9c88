#pragma once
// Short vectors of numbers worked on lane by lane, for the exact engine: the
// only part of the tools that depends on the compiler.
//
// GCC and Clang (also MinGW and Apple clang) have vector types of their own,
// which the processor adds and multiplies several lanes at a time. Other
// compilers, MSVC among them, get plain structs holding an array, with the
// same operators, lane by lane. Both give the same bits: each operator rounds
// each lane once, as one scalar operation would, and every conversion here is
// exact. Defining SINC_ANNEAL_PORTABLE_LANES (the CMake option of that name)
// picks the structs on GCC and Clang too, to check that they agree.
//
// What both offer: two_doubles, four_doubles, four_floats, four_counts
// (32-bit integers) and eight_counts (16-bit unsigned);
// brace construction with every lane given; element access v[i]; +, -, *
// lane by lane between two vectors of one type, and +=;
// convert(from, to), each lane converted to to's type; and widen_counts,
// four 16-bit counts from memory as four_counts or four_doubles. (convert writes
// through a reference: GCC warns that a vector of 32 bytes returned by
// value is passed differently with and without AVX.)

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && !defined(SINC_ANNEAL_PORTABLE_LANES)

using two_doubles = double __attribute__((vector_size(16)));
using four_doubles = double __attribute__((vector_size(32)));
using four_floats = float __attribute__((vector_size(16)));
using four_counts = std::int32_t __attribute__((vector_size(16)));
using eight_counts = std::uint16_t __attribute__((vector_size(16)));

// Sets to to from, each lane converted to to's lane type; the lane counts agree.
template <typename From, typename To>
void convert(const From& from, To& to)
{
    to = __builtin_convertvector(from, To);
}

#else

// count lanes of number, aligned as the vector types are.
template <typename number, std::size_t count>
struct alignas(sizeof(number) * count) lanes {
    using lane_type = number;
    number lane[count];

    // Returns lane i; i < count.
    number& operator[](std::size_t i)
    {
        return lane[i];
    }
    const number& operator[](std::size_t i) const
    {
        return lane[i];
    }

    // Each lane plus that of other.
    lanes& operator+=(const lanes& other)
    {
        for (std::size_t i = 0; i < count; ++i)
            lane[i] += other.lane[i];
        return *this;
    }
};

// Lane by lane a + b.
template <typename number, std::size_t count>
lanes<number, count> operator+(lanes<number, count> a, const lanes<number, count>& b)
{
    a += b;
    return a;
}

// Lane by lane a - b.
template <typename number, std::size_t count>
lanes<number, count> operator-(lanes<number, count> a, const lanes<number, count>& b)
{
    for (std::size_t i = 0; i < count; ++i)
        a.lane[i] -= b.lane[i];
    return a;
}

// Lane by lane a * b.
template <typename number, std::size_t count>
lanes<number, count> operator*(lanes<number, count> a, const lanes<number, count>& b)
{
    for (std::size_t i = 0; i < count; ++i)
        a.lane[i] *= b.lane[i];
    return a;
}

using two_doubles = lanes<double, 2>;
using four_doubles = lanes<double, 4>;
using four_floats = lanes<float, 4>;
using four_counts = lanes<std::int32_t, 4>;
using eight_counts = lanes<std::uint16_t, 8>;

// Sets to to from, each lane converted to to's lane type; the lane counts agree.
template <typename number, std::size_t count, typename To>
void convert(const lanes<number, count>& from, To& to)
{
    for (std::size_t i = 0; i < count; ++i)
        to.lane[i] = static_cast<typename To::lane_type>(from.lane[i]);
}

#endif

// A function marked SINC_ANNEAL_WIDER_LANES is built twice on x86-64 Linux
// with GCC or Clang: for the baseline processor (SSE2, two doubles at a
// time) and for AVX2 (four at a time, no FMA), and the loader picks the one
// the processor runs. Each lane's operations, and their order, are the same
// in both, so are the bits. Elsewhere it is built once.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__) &&                              \
    !defined(SINC_ANNEAL_PORTABLE_LANES)
#define SINC_ANNEAL_WIDER_LANES __attribute__((target_clones("avx2", "default")))
#else
#define SINC_ANNEAL_WIDER_LANES
#endif

// Sets wide to the four 16-bit counts at bytes (any alignment), lane by
// lane. WebAssembly has an instruction for each step, which the compiler
// does not find in the general form; each gives every lane's whole number.
#if defined(__wasm_simd128__) && !defined(SINC_ANNEAL_PORTABLE_LANES)
#include <wasm_simd128.h>
inline void widen_counts(const unsigned char* bytes, four_counts& wide)
{
    const v128_t counts = wasm_u32x4_extend_low_u16x8(wasm_v128_load64_zero(bytes));
    std::memcpy(&wide, &counts, sizeof counts);
}
inline void widen_counts(const unsigned char* bytes, four_doubles& wide)
{
    const v128_t counts = wasm_u32x4_extend_low_u16x8(wasm_v128_load64_zero(bytes));
    const v128_t high = wasm_i64x2_shuffle(counts, counts, 1, 0);
    const v128_t halves[2] = {wasm_f64x2_convert_low_i32x4(counts),
                              wasm_f64x2_convert_low_i32x4(high)};
    std::memcpy(&wide, halves, sizeof halves);
}
#else
inline void widen_counts(const unsigned char* bytes, four_counts& wide)
{
    std::uint16_t counts[4];
    std::memcpy(counts, bytes, sizeof counts);
    wide = four_counts{counts[0], counts[1], counts[2], counts[3]};
}
inline void widen_counts(const unsigned char* bytes, four_doubles& wide)
{
    four_counts counts;
    widen_counts(bytes, counts);
    convert(counts, wide);
}
#endif

static_assert(sizeof(two_doubles) == 16 && sizeof(four_doubles) == 32);
static_assert(sizeof(four_floats) == 16 && sizeof(four_counts) == 16);
static_assert(sizeof(eight_counts) == 16);
