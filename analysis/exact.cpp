// The exact engine put together: the set-up, then level after level the
// counts of its temperature and its moves, shared by the threads, which
// meet after each step.

#include "exact.h"

#include "exact_engine.h"
#include "landscape.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace {
// The threads share the states in whole tiles.
constexpr std::int32_t tile = 512;
constexpr std::int32_t tiles = grid_points / tile;

// The states begin .. end - 1, whole tiles, that one thread works out.
struct slice {
    std::int32_t begin;
    std::int32_t end;
};

// Where the threads meet: each waits until all count have arrived, and the
// last to arrive does what must be done before any goes on. A mutex and a
// condition variable rather than std::barrier, whose waiting in GCC 12's
// libstdc++ can miss its wake-up where there is no futex (mingw-w64), so
// that the threads never went on.
struct meeting {
    std::mutex lock;
    std::condition_variable all_met;
    std::int32_t count;
    std::int32_t arrived;
    std::int64_t round; // meetings held so far
};

// Where the threads meet: after each move, and after each other step.
struct meetings {
    meeting moved;
    meeting met;
};

// Waits at m until all have arrived; the last to arrive calls last() first.
template <typename Last>
void meet(meeting& m, const Last& last)
{
    std::unique_lock<std::mutex> held(m.lock);
    const std::int64_t round = m.round;
    if (++m.arrived < m.count) {
        m.all_met.wait(held, [&m, round] { return m.round != round; });
        return;
    }
    last();
    m.arrived = 0;
    ++m.round;
    held.unlock();
    m.all_met.notify_all();
}

// Waits at m until all have arrived.
void meet(meeting& m)
{
    meet(m, [] {});
}

// The slice of thread t of count: the threads take contiguous slices, and
// each state's figures are worked out the same way in any slice.
slice slice_of(std::int32_t t, std::int32_t count)
{
    return {tiles * t / count * tile, tiles * (t + 1) / count * tile};
}

// Makes the counts those of T; every thread calls it with its slice.
void set_acceptance(const exact_grid& grid, exact_walk& walk, move_rule rule, double T, slice mine,
                    meeting& met)
{
    // The threads split the distinct deltas as they split the states. The
    // product passes 32 bits, which is all a size_t holds in WebAssembly.
    const auto part = [&grid](std::int32_t state) {
        const auto share = static_cast<std::uint64_t>(grid.worse.size()) *
                           static_cast<std::uint64_t>(state) / grid_points;
        return static_cast<std::size_t>(share);
    };
    count_worse_moves(grid, walk, rule, T, part(mine.begin), part(mine.end));
    meet(met);
    spread_counts(grid, walk, mine.begin, mine.end);
    // Stays read the counts of moves out of each state, which lie in other slices.
    meet(met);
    count_stays(walk, mine.begin, mine.end);
    meet(met);
}

// The whole computation as one thread does it on its slice. The last to
// arrive after a move holds the targets and makes next now (next_is_now).
// The first slice reports.
template <typename NextIsNow>
std::int32_t run_slice(const exact_grid& grid, exact_walk& walk, move_rule rule,
                       const schedule& plan, slice mine, meetings& at, const NextIsNow& next_is_now,
                       void (*on_level)(const exact_level& level, void* context), void* context)
{
    return static_cast<std::int32_t>(for_each_level(plan, [&](std::int64_t level, double T) {
        if (rule == move_rule::anneal || level == 0)
            set_acceptance(grid, walk, rule, T, mine, at.met);
        for (std::int32_t move = 0; move < plan.moves_per_level; ++move) {
            move_quads(walk, quad_of(mine.begin), quad_of(mine.end));
            meet(at.moved, next_is_now);
        }
        if (mine.begin == 0 && on_level != nullptr)
            on_level(level_report(grid, walk, static_cast<std::int32_t>(level), T), context);
        // The report reads now, which the next move leaves alone until all meet.
        meet(at.met);
        return true;
    }));
}
} // namespace

exact_result exact_search(move_rule rule, coding code, const schedule& plan, std::int32_t threads,
                          void (*on_level)(const exact_level& level, void* context), void* context)
{
    const exact_grid grid = make_grid(points_of_states(code));
    exact_walk walk = make_walk(grid);
    const std::int32_t count = std::clamp(threads, 1, tiles);
    meetings at{{{}, {}, count, 0, 0}, {{}, {}, count, 0, 0}};
    const auto next_is_now = [&grid, &walk] {
        hold_targets(grid, walk);
        walk.now.swap(walk.next);
    };
    std::int32_t levels = 0;
    // std::thread joined by hand: libc++ 14, as macOS has had it, has no jthread.
    std::vector<std::thread> helpers;
    for (std::int32_t t = 1; t < count; ++t)
        helpers.emplace_back([&, t] {
            run_slice(grid, walk, rule, plan, slice_of(t, count), at, next_is_now, nullptr,
                      nullptr);
        });
    levels =
        run_slice(grid, walk, rule, plan, slice_of(0, count), at, next_is_now, on_level, context);
    for (std::thread& helper : helpers)
        helper.join();
    return final_figures(grid, walk, levels);
}

double basin_share(const double* current, const std::vector<std::int32_t>& basins,
                   std::int32_t peak)
{
    double share = 0.0;
    for (std::size_t k = 0; k < basins.size(); ++k)
        if (basins[k] == peak)
            share += current[k];
    return share;
}

std::vector<double> binned(const double* p, std::int32_t width)
{
    std::vector<double> bins(static_cast<std::size_t>(grid_points / width));
    for (std::int32_t k = 0; k < grid_points; ++k)
        bins[static_cast<std::size_t>(k / width)] += p[k];
    return bins;
}

std::vector<double> boltzmann_distribution(const double* objective, double temperature)
{
    const double highest = *std::max_element(objective, objective + grid_points);
    std::vector<double> weights(grid_points);
    double total = 0.0;
    for (std::size_t k = 0; k < weights.size(); ++k) {
        const double below = objective[k] - highest;
        weights[k] = std::exp(below / temperature);
        total += weights[k];
    }
    for (double& weight : weights)
        weight /= total;
    return weights;
}

namespace {
// The total-variation distance between current and boltzmann.
double distance_to(const double* current, const std::vector<double>& boltzmann)
{
    double distance = 0.0;
    for (std::size_t k = 0; k < boltzmann.size(); ++k)
        distance += std::abs(current[k] - boltzmann[k]);
    return distance / 2.0;
}
} // namespace

// The order of the two arrays is that of exact.h, which callers rely on.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters)
double boltzmann_distance(const double* current, const double* objective, double temperature)
{
    return distance_to(current, boltzmann_distribution(objective, temperature));
}

// One Boltzmann distribution for the map and the distance: its exp of
// every grid point is most of a level's report.
level_map map_of_level(const exact_level& level)
{
    const std::vector<double> boltzmann =
        boltzmann_distribution(level.objective, level.temperature);
    return {binned(level.current, map_bar_points), binned(boltzmann.data(), map_bar_points),
            distance_to(level.current, boltzmann)};
}

float bar_middle_x(std::int32_t bar)
{
    return grid_x(bar * map_bar_points + map_bar_points / 2);
}
