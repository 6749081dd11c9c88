// Prints a digest of every bit of the exact engine's chains after each
// level, for a few schedules, rule and coding: the lanes of each build (the
// compiler's vectors, their AVX2 versions, WebAssembly's, or the plain
// structs) must all print tests/golden/exact_lanes.out, which the plain
// structs printed.

#include "exact.h"
#include "presets.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

namespace {
// FNV-1a over the bytes of a level's chains, grid point by grid point.
std::uint64_t digest(const exact_level& level)
{
    constexpr std::uint64_t prime = 0x100000001b3;
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const double* chain : {level.current, level.never_above, level.never_at_maximum})
        for (std::int32_t k = 0; k < grid_points; ++k) {
            std::uint64_t bits = 0;
            std::memcpy(&bits, chain + k, sizeof bits);
            for (std::int32_t byte = 0; byte < 8; ++byte) {
                hash ^= (bits >> (8 * byte)) & 0xff;
                hash *= prime;
            }
        }
    return hash;
}

void print_level(const exact_level& level, void* /*context*/)
{
    std::printf("%d\t%016" PRIx64 "\t%a\t%a\n", level.level + 1, digest(level), level.above,
                level.at_maximum);
}

struct job {
    move_rule rule;
    coding code;
    schedule plan;
};
} // namespace

int main()
{
    const job jobs[] = {{move_rule::anneal, coding::binary, {0.8, 10.0, 0.1, 4}},
                        {move_rule::anneal, coding::gray, {0.9, 10.0, 1.0, 2}},
                        {move_rule::climb, coding::binary, {0.9, 10.0, 1.0, 2}}};
    const landscape land = program_landscape();
    for (const job& j : jobs) {
        const exact_result result =
            exact_search(land, j.rule, j.code, j.plan, 1, print_level, nullptr);
        std::printf("end\t%a\t%a\n", result.above, result.at_maximum);
    }
    return 0;
}
