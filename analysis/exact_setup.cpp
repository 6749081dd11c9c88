// The exact engine's set-up, which reads the coding of states, and its
// reports, which give everything back by grid point.

#include "exact_engine.h"

#include "landscape.h"

#include <algorithm>
#include <utility>

namespace {
// Returns the delta of the move from s ^ weight to s, as the search forms it.
float delta_into(const std::vector<double>& f, std::int32_t s, std::int32_t weight)
{
    const auto to = static_cast<float>(f[static_cast<std::size_t>(s)]);
    return static_cast<float>(to - f[static_cast<std::size_t>(s ^ weight)]);
}

// Adds the slots of rank (by slot) below end that a draw may refuse to
// moves, quad after quad from slot begin, each quad's start to from.
void list_refusable(const std::vector<std::uint32_t>& rank, std::uint32_t always, std::size_t begin,
                    std::size_t per_quad, std::vector<refusable_move>& moves,
                    std::vector<std::uint32_t>& from)
{
    for (std::size_t q = 0; q < quads; ++q) {
        from.push_back(static_cast<std::uint32_t>(moves.size()));
        for (std::size_t slot = begin + q * per_quad; slot < begin + (q + 1) * per_quad; ++slot)
            if (rank[slot] != always)
                moves.push_back({static_cast<std::uint32_t>(slot), rank[slot]});
    }
    from.push_back(static_cast<std::uint32_t>(moves.size()));
}

// Sets worse from deltas, by slot, and the refusable moves.
void rank_worse(exact_grid& grid, const std::vector<float>& deltas)
{
    struct worse_move {
        float delta;
        std::uint32_t slot;
    };
    std::vector<worse_move> moves;
    std::uint32_t slot = 0;
    for (const float delta : deltas) {
        if (delta <= 0.0f)
            moves.push_back({delta, slot});
        ++slot;
    }
    std::sort(moves.begin(), moves.end(),
              [](const worse_move& a, const worse_move& b) { return a.delta < b.delta; });
    constexpr std::uint32_t always = ~std::uint32_t{0};
    std::vector<std::uint32_t> rank(deltas.size(), always);
    for (const worse_move& move : moves) {
        if (grid.worse.empty() || grid.worse.back() != move.delta)
            grid.worse.push_back(move.delta);
        rank[move.slot] = static_cast<std::uint32_t>(grid.worse.size() - 1);
    }
    list_refusable(rank, always, 0, near_slots, grid.near_refusable, grid.near_refusable_from);
    list_refusable(rank, always, all_near_slots, far_slots, grid.far_refusable,
                   grid.far_refusable_from);
}

// Sets worse and the refusable moves from the deltas of all moves; the
// slots of the stays, and those unused, hold a delta above 0, as a move
// always taken.
void rank_deltas(exact_grid& grid)
{
    std::vector<float> deltas(all_near_slots + quads * far_slots, 1.0f);
    for (std::int32_t bit = 0; bit < landscape_bits; ++bit)
        for (std::int32_t s = 0; s < grid_points; ++s)
            deltas[move_slot(s, bit)] = delta_into(grid.state_objective, s, weight_of(bit));
    rank_worse(grid, deltas);
}

// Sets the states that hold on to probability: above land's target, and
// of its highest float f.
void find_targets(const landscape& land, exact_grid& grid)
{
    for (std::int32_t s = 0; s < grid_points; ++s) {
        const auto f = static_cast<float>(grid.state_objective[static_cast<std::size_t>(s)]);
        if (f > land.target)
            grid.targets[above_chain].push_back(s);
        if (f == land.highest)
            grid.targets[maximum_chain].push_back(s);
    }
}

// Copies now, chain by chain, to shown, by grid point.
void show_chains(const exact_grid& grid, exact_walk& walk)
{
    for (std::size_t c = 0; c < chains; ++c)
        for (std::int32_t s = 0; s < grid_points; ++s)
            walk.shown[c]
                      [static_cast<std::size_t>(grid.point_of_state[static_cast<std::size_t>(s)])] =
                chain_quad(walk.now, quad_of(s), c)[lane_of(s)];
}
} // namespace

std::vector<std::int32_t> points_of_states(coding code)
{
    std::vector<std::int32_t> points(grid_points);
    for (std::int32_t s = 0; s < grid_points; ++s)
        points[static_cast<std::size_t>(s)] = point_of(code, s);
    return points;
}

exact_grid make_grid(const landscape& land, std::vector<std::int32_t> point_of_state)
{
    exact_grid grid;
    grid.objective = land.objective;
    grid.point_of_state = std::move(point_of_state);
    for (const std::int32_t k : grid.point_of_state)
        grid.state_objective.push_back(grid.objective[static_cast<std::size_t>(k)]);
    find_targets(land, grid);
    rank_deltas(grid);
    const std::vector<grid_peak> peaks = grid_peaks(land);
    grid.basins = grid_basins(land, peaks);
    grid.peaks = peaks.size();
    return grid;
}

exact_walk make_walk(const exact_grid& grid)
{
    exact_walk walk{};
    constexpr double uniform = 1.0 / grid_points;
    walk.now.resize(quads);
    walk.next.resize(quads);
    for (quad_chains& quad : walk.next)
        for (four_doubles& p : quad.chain)
            p = four_doubles{uniform, uniform, uniform, uniform};
    for (std::size_t c = 0; c < chains; ++c) {
        walk.held[c] = 0.0;
        walk.shown[c].resize(grid_points);
    }
    hold_targets(grid, walk);
    walk.now.swap(walk.next);
    walk.worse_counts.assign(grid.worse.size() + 1, static_cast<std::uint16_t>(every_draw));
    // The worse moves and the stays are set level by level.
    constexpr auto every = static_cast<std::uint16_t>(every_draw);
    walk.near.assign(quads * near_groups,
                     four_floats{every_draw, every_draw, every_draw, every_draw});
    walk.far.assign(quads * far_groups,
                    eight_counts{every, every, every, every, every, every, every, every});
    return walk;
}

exact_level level_report(const exact_grid& grid, exact_walk& walk, std::int32_t level,
                         double temperature)
{
    show_chains(grid, walk);
    return {level,
            temperature,
            walk.shown[free_chain].data(),
            walk.shown[above_chain].data(),
            walk.shown[maximum_chain].data(),
            walk.held[above_chain],
            walk.held[maximum_chain],
            grid.objective.data()};
}

exact_result final_figures(const exact_grid& grid, exact_walk& walk, std::int32_t levels)
{
    show_chains(grid, walk);
    exact_result result{walk.held[above_chain], walk.held[maximum_chain], {}, levels};
    for (std::size_t j = 0; j < grid.peaks; ++j)
        result.basins.push_back(
            basin_share(walk.shown[free_chain].data(), grid.basins, static_cast<std::int32_t>(j)));
    return result;
}
