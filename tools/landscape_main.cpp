// sinc-landscape: prints the objective over the grid, for plotting.
// Block 0: "x f" for every 16th grid point and the last one.
// Block 1: "x f" for each local maximum, highest first.
// Blocks are separated by two blank lines, as gnuplot's "index" expects.
// With --one-flip-peaks, instead: for binary and Gray code, "x f k" for each
// grid point from which no single flip improves f, highest first. With
// --every-point, instead: "k x f" at every grid point, to 17 digits.

#include "landscape.h"
#include "options.h"
#include "output.h"

#include <cstdio>

namespace {
constexpr std::int32_t curve_step = 16; // 8192 points draw a smooth curve

// For each coding, a block of the points where no single flip improves f.
void print_one_flip_peaks(const landscape& land)
{
    for (const coding code : {coding::binary, coding::gray}) {
        const std::vector<grid_peak> peaks = one_flip_peaks(land, code);
        std::printf("%s# %s: %zu grid points from which no single flip improves f: x f(x) "
                    "grid-point, highest first\n",
                    code == coding::binary ? "" : "\n\n", coding_names[static_cast<int>(code)],
                    peaks.size());
        for (const grid_peak& peak : peaks)
            std::printf("%.6f %.6f %d\n", static_cast<double>(peak.x),
                        static_cast<double>(peak.value), peak.k);
    }
}

// The whole table: x as stored and f before it is narrowed, each to 17
// significant digits, which read back as the same double.
void print_every_point(const landscape& land)
{
    std::printf("# k x f(x), every grid point, f not narrowed\n");
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k)
        std::printf("%d %.17g %.17g\n", k, static_cast<double>(grid_x(land, k)),
                    land.objective[static_cast<std::size_t>(k)]);
}
} // namespace

int main(int argc, char** argv)
{
    const landscape_options o = parse_landscape_options(argc, argv);
    const landscape& land = o.land;
    if (o.one_flip_peaks) {
        print_one_flip_peaks(land);
        return finish_output("sinc-landscape");
    }
    if (o.every_point) {
        print_every_point(land);
        return finish_output("sinc-landscape");
    }
    const std::int32_t last = land.g.full_scale;
    std::printf("# x f(x), every %d grid points\n", curve_step);
    for (std::int32_t k = 0; k <= last; k += curve_step)
        std::printf("%.6f %.6f\n", static_cast<double>(grid_x(land, k)),
                    static_cast<double>(grid_objective(land, k)));
    std::printf("%.6f %.6f\n", static_cast<double>(grid_x(land, last)),
                static_cast<double>(grid_objective(land, last)));

    std::printf("\n\n# local maxima, highest first: x f(x) grid-point\n");
    for (const grid_peak& peak : grid_peaks(land))
        std::printf("%.6f %.6f %d\n", static_cast<double>(peak.x), static_cast<double>(peak.value),
                    peak.k);
    return finish_output("sinc-landscape");
}
