// sinc-reliability: runs many searches (10000 unless told), each from a
// random start with its own fixed seed, and prints how often the best point
// they reached lies in each local maximum's basin, then the distribution of the best objective as
// "low high share" rows, for plotting. The same command prints the same
// figures every time.

#include "landscape.h"
#include "options.h"
#include "output.h"
#include "problem.h"
#include "progress.h"
#include "study.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr int bin_count = 40; // over the range of best objectives met

// The share of outcomes whose best point reached lies in each basin, indexed like the peaks
// behind basins (see grid_basins).
std::vector<double> basin_shares(const std::vector<run_outcome>& outcomes,
                                 const std::vector<std::int32_t>& basins, std::size_t peak_count)
{
    std::vector<double> shares(peak_count);
    for (const run_outcome& outcome : outcomes)
        shares[static_cast<std::size_t>(basins[static_cast<std::size_t>(outcome.k)])] +=
            1.0 / static_cast<double>(outcomes.size());
    return shares;
}

// What the points above the target are: the global maximum's peak when
// they all lie in its basin.
const char* target_words(const landscape& land, const std::vector<std::int32_t>& basins)
{
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k)
        if (grid_objective(land, k) > land.target && basins[static_cast<std::size_t>(k)] != 0)
            return "the target";
    return "the global maximum's peak";
}

void print_shares(const std::vector<run_outcome>& outcomes, const landscape& land,
                  std::uint32_t first_seed)
{
    const std::vector<grid_peak> peaks = grid_peaks(land);
    const std::vector<std::int32_t> basins = grid_basins(land, peaks);
    const std::vector<double> shares = basin_shares(outcomes, basins, peaks.size());
    const auto last_seed = static_cast<std::uint32_t>(first_seed + outcomes.size() - 1);
    std::printf("# searches: %zu, seeds %u to %u\n", outcomes.size(), first_seed, last_seed);
    std::printf("# reached an objective above %g (%s): %.1f%%\n", static_cast<double>(land.target),
                target_words(land, basins), 100.0 * summarize(outcomes, land).above_threshold);
    std::printf("# share whose best point reached lies in the basin of each local maximum:\n");
    for (std::size_t i = 0; i < peaks.size(); ++i)
        std::printf("#   x = %9.6f  f = %.6f  %5.1f%%\n", static_cast<double>(peaks[i].x),
                    static_cast<double>(peaks[i].value), 100.0 * shares[i]);
}

// Nothing for no outcomes.
void print_histogram(const std::vector<run_outcome>& outcomes)
{
    if (outcomes.empty())
        return;
    const auto [lowest, highest] = std::minmax_element(
        outcomes.begin(), outcomes.end(), [](const run_outcome& a, const run_outcome& b) {
            return a.best_objective < b.best_objective;
        });
    const double low = lowest->best_objective;
    const double width =
        std::max(static_cast<double>(highest->best_objective) - low, 1e-6) / bin_count;
    std::vector<int> counts(bin_count);
    for (const run_outcome& outcome : outcomes) {
        const int bin = static_cast<int>((outcome.best_objective - low) / width);
        ++counts[static_cast<std::size_t>(std::min(bin, bin_count - 1))];
    }
    std::printf("# distribution of the best objective reached: low high share\n");
    for (int bin = 0; bin < bin_count; ++bin) {
        const double start = bin * width; // a statement of its own: never fused with the sum
        const double end = (bin + 1) * width;
        std::printf("%.6f %.6f %.5f\n", low + start, low + end,
                    counts[static_cast<std::size_t>(bin)] / static_cast<double>(outcomes.size()));
    }
}
} // namespace

int main(int argc, char** argv)
{
    const reliability_options o = parse_reliability_options(argc, argv);
    const std::vector<double> table = objective_table(o.land, o.code);
    const run_setup setup{study_method::anneal, o.plan, nullptr, nullptr, &o.land,
                          table.data(),         o.code};
    progress shown = start_progress("sinc-reliability", o.runs, examined_per_run(o.plan) * o.runs);
    const std::vector<run_outcome> outcomes =
        run_many(setup, o.seed, o.runs, o.threads, {tick_progress, &shown});
    clear_progress(shown);
    print_shares(outcomes, o.land, o.seed);
    print_histogram(outcomes);
    return finish_output("sinc-reliability");
}
