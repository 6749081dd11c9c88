#include "landscape.h"

#include "encoding.h"
#include "objective.h"

#include <algorithm>

namespace {
// Whether flipping some bit of the vector of integer value state leads to a
// higher f, with f by state in table, compared as the program stores it.
bool some_flip_improves(const std::vector<double>& table, std::int32_t state)
{
    const auto here = static_cast<float>(table[static_cast<std::size_t>(state)]);
    for (std::int32_t bit = 0; bit < problem_grid.bits; ++bit)
        if (static_cast<float>(table[static_cast<std::size_t>(state ^ (1 << bit))]) > here)
            return true;
    return false;
}
} // namespace

void grid_bits_of(std::int32_t k, std::int32_t* bits)
{
    for (std::int32_t i = 0; i < problem_grid.bits; ++i)
        bits[i] = (k >> (problem_grid.bits - 1 - i)) & 1;
}

float grid_x(std::int32_t k)
{
    return static_cast<float>(decode_integer(k, problem_grid));
}

float grid_objective(std::int32_t k)
{
    return static_cast<float>(objective(grid_x(k)));
}

std::vector<grid_peak> grid_peaks()
{
    std::vector<float> f(problem_grid.full_scale + 1);
    for (std::int32_t k = 0; k <= problem_grid.full_scale; ++k)
        f[static_cast<std::size_t>(k)] = grid_objective(k);
    std::vector<grid_peak> peaks;
    for (std::size_t first = 0; first < f.size();) {
        std::size_t last = first; // the plateau of values equal to f[first]
        while (last + 1 < f.size() && f[last + 1] == f[first])
            ++last;
        const bool above_left = first == 0 || f[first - 1] < f[first];
        const bool above_right = last + 1 == f.size() || f[last + 1] < f[first];
        if (above_left && above_right) {
            const auto middle = static_cast<std::int32_t>((first + last) / 2);
            peaks.push_back({middle, grid_x(middle), f[first]});
        }
        first = last + 1;
    }
    std::sort(peaks.begin(), peaks.end(),
              [](const grid_peak& a, const grid_peak& b) { return a.value > b.value; });
    return peaks;
}

std::vector<std::int32_t> grid_basins(const std::vector<grid_peak>& peaks)
{
    std::vector<std::size_t> by_x(peaks.size()); // peak indices from left to right
    for (std::size_t i = 0; i < by_x.size(); ++i)
        by_x[i] = i;
    std::sort(by_x.begin(), by_x.end(),
              [&](std::size_t a, std::size_t b) { return peaks[a].k < peaks[b].k; });

    std::vector<std::int32_t> basins(problem_grid.full_scale + 1);
    std::int32_t from = 0;
    for (std::size_t i = 0; i < by_x.size(); ++i) {
        std::int32_t to = problem_grid.full_scale; // the last point of this peak's basin
        if (i + 1 < by_x.size()) {
            to = peaks[by_x[i]].k;
            float lowest = peaks[by_x[i]].value;
            for (std::int32_t k = to + 1; k < peaks[by_x[i + 1]].k; ++k) {
                const float value = grid_objective(k);
                if (value < lowest) {
                    lowest = value;
                    to = k;
                }
            }
        }
        std::fill(basins.begin() + from, basins.begin() + to + 1,
                  static_cast<std::int32_t>(by_x[i]));
        from = to + 1;
    }
    return basins;
}

std::vector<grid_peak> one_flip_peaks(coding code)
{
    const std::vector<double> table = problem_objective_table(code);
    std::vector<grid_peak> peaks;
    for (std::int32_t state = 0; state <= problem_grid.full_scale; ++state)
        if (!some_flip_improves(table, state)) {
            const std::int32_t k = point_of(code, state);
            peaks.push_back({k, grid_x(k), grid_objective(k)});
        }
    std::sort(peaks.begin(), peaks.end(), [](const grid_peak& a, const grid_peak& b) {
        return a.value != b.value ? a.value > b.value : a.k < b.k;
    });
    return peaks;
}
