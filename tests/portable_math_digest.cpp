// Prints a digest of each portable elementary function over the same
// arguments on every build: the native ones, the cross builds and
// WebAssembly must all print tests/golden/portable_math.out. The arguments
// are made from integer bits alone, so they are the same everywhere too.

#include "portable_math.h"

#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {
constexpr int arguments = 100000;

// std::bit_cast, which Emscripten's standard library does not have yet.
std::uint64_t bits_of(double v)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}
double double_of(std::uint64_t bits)
{
    double v = 0.0;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

// A double with random sign and mantissa and an exponent in [low, high].
struct bits_source {
    std::uint64_t state;

    std::uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }

    double draw(int low, int high)
    {
        const std::uint64_t r = next();
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        const auto exponent = static_cast<std::uint64_t>(0x3ff + low) + (r >> 52) % span;
        return double_of((r & (std::uint64_t{1} << 63)) | exponent << 52 |
                         (r & ((std::uint64_t{1} << 52) - 1)));
    }
};

// FNV-1a over the bytes of each result; every NaN counts as one.
struct digest {
    std::uint64_t hash = 0xcbf29ce484222325;

    void add(double v)
    {
        const std::uint64_t bits = std::isnan(v) ? 1 : bits_of(v);
        for (int byte = 0; byte < 8; ++byte) {
            hash ^= (bits >> (8 * byte)) & 0xff;
            hash *= 0x100000001b3;
        }
    }
};

struct one_argument {
    const char* name;
    double (*function)(double);
    int low, high; // exponents of the arguments
};

constexpr one_argument functions[] = {
    {"sin", portable_sin, -30, 80},  {"cos", portable_cos, -30, 1023},
    {"tan", portable_tan, -30, 40},  {"asin", portable_asin, -30, 0},
    {"acos", portable_acos, -30, 0}, {"atan", portable_atan, -30, 70},
    {"exp", portable_exp, -30, 10},  {"log", portable_log, -1074, 1023},
};
} // namespace

int main()
{
    bits_source source{0x9e3779b97f4a7c15};
    for (const one_argument& f : functions) {
        digest d;
        for (int i = 0; i < arguments; ++i)
            d.add(f.function(source.draw(f.low, f.high)));
        std::printf("%s\t%016" PRIx64 "\n", f.name, d.hash);
    }
    digest d;
    for (int i = 0; i < arguments; ++i) {
        const double x = std::fabs(source.draw(-8, 8)); // drawn before y, whatever the compiler
        d.add(portable_pow(x, source.draw(-4, 6)));
    }
    std::printf("pow\t%016" PRIx64 "\n", d.hash);
}
