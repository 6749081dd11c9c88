// One search watched: every move of a seeded run, as sinc-study --trace runs
// it, handed to the page with what decided it, and a row for every level.

#include "coding.h"
#include "columns.h"
#include "landscape.h"
#include "page_landscape.h"
#include "page_limits.h"
#include "rows.h"
#include "study.h"

#include <cmath>
#include <emscripten/bind.h>

using emscripten::val;

namespace {
// Every move of a walk, a column a figure, and the level rows' callback.
struct walk_columns {
    level_tally tally;
    const double* objective = nullptr; // f of every vector, as the search reads it
    val on_level = val::undefined();
    std::vector<std::int32_t> from, from_state, to, bit, taken, state, k;
    std::vector<double> before, proposed, delta, chance, draw, current, best_x, best, temperature;
};

void watch_move(const move_report& move, void* context)
{
    auto& walk = *static_cast<walk_columns*>(context);
    walk.from.push_back(point_of(walk.tally.code, move.from_k));
    walk.from_state.push_back(move.from_k);
    walk.to.push_back(point_of(walk.tally.code, move.to_k));
    walk.bit.push_back(move.bit);
    walk.before.push_back(walk.objective[move.from_k]);
    walk.proposed.push_back(static_cast<float>(walk.objective[move.to_k]));
    walk.delta.push_back(move.delta);
    walk.chance.push_back(std::exp(move.delta / move.temperature));
    walk.draw.push_back(move.draw);
    walk.taken.push_back(move.taken ? 1 : 0);
    walk.state.push_back(move.current_k);
    walk.k.push_back(point_of(walk.tally.code, move.current_k));
    walk.current.push_back(move.current_objective);
    walk.best_x.push_back(x_of_state(*walk.tally.land, walk.tally.code, move.best_k));
    walk.best.push_back(move.best_objective);
    walk.temperature.push_back(move.temperature);
    if (tally_move(walk.tally, move))
        walk.on_level(level_row(walk.tally, move));
}

// The walk's columns by the names the page reads them by.
template <typename Number>
struct named_column {
    const char* name;
    std::vector<Number> walk_columns::*values;
};
constexpr named_column<std::int32_t> whole_columns[] = {
    {"from", &walk_columns::from},   {"fromState", &walk_columns::from_state},
    {"to", &walk_columns::to},       {"bit", &walk_columns::bit},
    {"taken", &walk_columns::taken}, {"state", &walk_columns::state},
    {"k", &walk_columns::k}};
constexpr named_column<double> real_columns[] = {{"before", &walk_columns::before},
                                                 {"proposed", &walk_columns::proposed},
                                                 {"delta", &walk_columns::delta},
                                                 {"chance", &walk_columns::chance},
                                                 {"draw", &walk_columns::draw},
                                                 {"current", &walk_columns::current},
                                                 {"bestX", &walk_columns::best_x},
                                                 {"best", &walk_columns::best},
                                                 {"temperature", &walk_columns::temperature}};

// The walk's columns by name, each a typed array.
val columns_of(const walk_columns& walk)
{
    val moves = val::object();
    for (const auto& column : whole_columns)
        moves.set(column.name, typed_copy(walk.*column.values));
    for (const auto& column : real_columns)
        moves.set(column.name, typed_copy(walk.*column.values));
    return moves;
}

// The solutions that sampling from seed draws on plan, read in code on
// land, f at each from table: columns k (the grid point of each draw),
// state, current (f of it), bestX and best (the best drawn so far, the
// first of the highest, as a sampling run keeps it), and from, which holds
// the start alone (the first draw, and where a search from seed starts).
val watch_sample(const landscape& land, coding code, std::uint32_t seed, const schedule& plan,
                 const std::vector<double>& table)
{
    const std::vector<std::int32_t> drawn = sampled_solutions(seed, examined_per_run(plan));
    std::vector<std::int32_t> k, from{point_of(code, drawn.front())};
    std::vector<double> current, best_x, best;
    std::int32_t best_state = drawn.front();
    for (const std::int32_t state : drawn) {
        const auto f = static_cast<float>(table[static_cast<std::size_t>(state)]);
        if (f > static_cast<float>(table[static_cast<std::size_t>(best_state)]))
            best_state = state;
        k.push_back(point_of(code, state));
        current.push_back(f);
        best_x.push_back(x_of_state(land, code, best_state));
        best.push_back(static_cast<float>(table[static_cast<std::size_t>(best_state)]));
    }
    val columns = val::object();
    columns.set("from", typed_copy(from));
    columns.set("k", typed_copy(k));
    columns.set("state", typed_copy(drawn));
    columns.set("current", typed_copy(current));
    columns.set("bestX", typed_copy(best_x));
    columns.set("best", typed_copy(best));
    return columns;
}

// Runs method in code on plan from seed on the landscape that described
// stands for. A search (anneal or climb) calls on_level(row) at the end of
// every level, and gives its moves' columns; sampling gives those of
// watch_sample. Null when the plan examines none or more than
// most_watched, or described is no landscape.
val watch_search(study_method method, coding code, std::uint32_t seed, const schedule& plan,
                 const val& described, const val& on_level)
{
    const std::int64_t examined = examined_per_run(plan);
    landscape land;
    if (examined <= 0 || examined > most_watched || !landscape_of_description(described, &land))
        return val::null();
    const std::vector<double> table = objective_table(land, code);
    if (method == study_method::sample)
        return watch_sample(land, code, seed, plan, table);
    walk_columns walk;
    walk.tally = {&land, code, plan.moves_per_level, 0, 0, 0};
    walk.objective = table.data();
    walk.on_level = on_level;
    run_once({method, plan, watch_move, &walk, &land, table.data(), code}, seed);
    return columns_of(walk);
}

} // namespace

EMSCRIPTEN_BINDINGS(watch)
{
    emscripten::function("watchSearch", &watch_search);
}
