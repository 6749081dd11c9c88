#include "landscape.h"

#include <algorithm>

namespace {
// Whether flipping some bit of the vector of integer value state leads to a
// higher f, with f by state in table, compared as a search stores it.
bool some_flip_improves(const std::vector<double>& table, std::int32_t state)
{
    const auto here = static_cast<float>(table[static_cast<std::size_t>(state)]);
    for (std::int32_t bit = 0; bit < landscape_bits; ++bit)
        if (static_cast<float>(table[static_cast<std::size_t>(state ^ (1 << bit))]) > here)
            return true;
    return false;
}

std::size_t point_count(const landscape& land)
{
    return static_cast<std::size_t>(land.g.full_scale) + 1;
}

// The last point of the basin of the peak at from, up to the peak at to:
// the lowest point between them, the first of equal lows.
std::int32_t basin_end(const landscape& land, const grid_peak& from, const grid_peak& to)
{
    std::int32_t end = from.k;
    float lowest = from.value;
    for (std::int32_t k = from.k + 1; k < to.k; ++k)
        if (grid_objective(land, k) < lowest) {
            lowest = grid_objective(land, k);
            end = k;
        }
    return end;
}
} // namespace

grid grid_on(float lower, float upper)
{
    return {landscape_bits, (1 << landscape_bits) - 1, lower, upper};
}

landscape landscape_of(const grid& g, double (*f)(float x, void* context), void* context,
                       float target)
{
    landscape land{g, std::vector<double>(static_cast<std::size_t>(g.full_scale) + 1), target, 0};
    for (std::int32_t k = 0; k <= g.full_scale; ++k)
        land.objective[static_cast<std::size_t>(k)] = f(grid_x(land, k), context);
    land.highest = grid_objective(land, 0);
    for (std::int32_t k = 1; k <= g.full_scale; ++k)
        land.highest = std::max(land.highest, grid_objective(land, k));
    return land;
}

float grid_x(const landscape& land, std::int32_t k)
{
    return static_cast<float>(decode_integer(k, land.g));
}

float grid_objective(const landscape& land, std::int32_t k)
{
    return static_cast<float>(land.objective[static_cast<std::size_t>(k)]);
}

std::vector<double> objective_table(const landscape& land, coding code)
{
    return by_state(code, land.objective);
}

std::int32_t points_above(const landscape& land, float level)
{
    std::int32_t count = 0;
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k)
        count += grid_objective(land, k) > level ? 1 : 0;
    return count;
}

std::int32_t best_points(const landscape& land)
{
    std::int32_t count = 0;
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k)
        count += grid_objective(land, k) == land.highest ? 1 : 0;
    return count;
}

void grid_bits_of(std::int32_t k, std::int32_t* bits)
{
    for (std::int32_t i = 0; i < landscape_bits; ++i)
        bits[i] = (k >> (landscape_bits - 1 - i)) & 1;
}

std::vector<grid_peak> grid_peaks(const landscape& land)
{
    std::vector<float> f(point_count(land));
    for (std::size_t k = 0; k < f.size(); ++k)
        f[k] = static_cast<float>(land.objective[k]);
    std::vector<grid_peak> peaks;
    for (std::size_t first = 0; first < f.size();) {
        std::size_t last = first; // the plateau of values equal to f[first]
        while (last + 1 < f.size() && f[last + 1] == f[first])
            ++last;
        const bool above_left = first == 0 || f[first - 1] < f[first];
        const bool above_right = last + 1 == f.size() || f[last + 1] < f[first];
        if (above_left && above_right) {
            const auto middle = static_cast<std::int32_t>((first + last) / 2);
            peaks.push_back({middle, grid_x(land, middle), f[first]});
        }
        first = last + 1;
    }
    std::sort(peaks.begin(), peaks.end(),
              [](const grid_peak& a, const grid_peak& b) { return a.value > b.value; });
    return peaks;
}

std::vector<std::int32_t> grid_basins(const landscape& land, const std::vector<grid_peak>& peaks)
{
    std::vector<std::size_t> by_x(peaks.size()); // peak indices from left to right
    for (std::size_t i = 0; i < by_x.size(); ++i)
        by_x[i] = i;
    std::sort(by_x.begin(), by_x.end(),
              [&](std::size_t a, std::size_t b) { return peaks[a].k < peaks[b].k; });

    std::vector<std::int32_t> basins(point_count(land));
    std::int32_t from = 0;
    for (std::size_t i = 0; i < by_x.size(); ++i) {
        const std::int32_t to = i + 1 < by_x.size()
                                    ? basin_end(land, peaks[by_x[i]], peaks[by_x[i + 1]])
                                    : land.g.full_scale;
        std::fill(basins.begin() + from, basins.begin() + to + 1,
                  static_cast<std::int32_t>(by_x[i]));
        from = to + 1;
    }
    return basins;
}

std::vector<grid_peak> one_flip_peaks(const landscape& land, coding code)
{
    const std::vector<double> table = objective_table(land, code);
    std::vector<grid_peak> peaks;
    for (std::int32_t state = 0; state <= land.g.full_scale; ++state)
        if (!some_flip_improves(table, state)) {
            const std::int32_t k = point_of(code, state);
            peaks.push_back({k, grid_x(land, k), grid_objective(land, k)});
        }
    std::sort(peaks.begin(), peaks.end(), [](const grid_peak& a, const grid_peak& b) {
        return a.value != b.value ? a.value > b.value : a.k < b.k;
    });
    return peaks;
}
