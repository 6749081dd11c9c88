// One move chosen by hand: the student picks the bit to flip, and the move
// is decided by the search's own rule, with a draw from the search's own
// source (where a watched walk stands, the draw the walk makes next), so
// that the page shows what the C++ decided.

#include "coding.h"
#include "draws.h"
#include "landscape.h"
#include "page_landscape.h"
#include "page_limits.h"
#include "study.h"

#include <cmath>
#include <emscripten/bind.h>

using emscripten::val;

namespace {
// A move tried by hand: where from and to (integer values), f of each as the
// search reads them, the change of f, the draw (no_draw when none) and the outcome.
struct trial {
    std::int32_t from;
    std::int32_t to;
    double before;
    double proposed;
    float delta;
    double draw;
    bool taken;
};

// The move's figures by the names the page reads them by.
val trial_report(coding code, const trial& move, double temperature)
{
    val report = val::object();
    report.set("from", move.from);
    report.set("to", move.to);
    report.set("fromPoint", point_of(code, move.from));
    report.set("toPoint", point_of(code, move.to));
    report.set("before", move.before);
    report.set("proposed", move.proposed);
    report.set("delta", move.delta);
    report.set("chance", std::exp(move.delta / temperature));
    report.set("draw", move.draw);
    report.set("taken", move.taken);
    return report;
}

// Flips bit (0 the most significant) of the solution of integer value
// state, read in code, on the landscape that described stands for, and
// decides the move at temperature as method does, its draw the one after
// earlier draws of a source seeded with seed.
// Returns {to, fromPoint, toPoint, before, proposed, delta, chance, draw,
// taken} (draw no_draw when it takes none), or null for a bit, state or
// temperature out of range, or described no landscape.
val try_move(study_method method, coding code, std::int32_t state, std::int32_t bit,
             double temperature, std::uint32_t seed, std::int32_t earlier, const val& described)
{
    landscape land;
    if (!landscape_of_description(described, &land))
        return val::null();
    const bool fine = bit >= 0 && bit < land.g.bits && state >= 0 && state <= land.g.full_scale &&
                      temperature > 0 && earlier >= 0;
    if (!fine || method == study_method::sample)
        return val::null();
    const std::vector<double> table = objective_table(land, code);
    const std::int32_t to = state ^ (1 << (land.g.bits - 1 - bit));
    const auto at = [&table](std::int32_t k) { return table[static_cast<std::size_t>(k)]; };
    const float delta = move_delta(at(to), at(state));
    seed_random(seed);
    for (std::int32_t i = 0; i < earlier; ++i)
        next_random();
    trial move{state, to, at(state), static_cast<float>(at(to)), delta, no_draw, false};
    move.taken = move_taken(rule_of(method), delta, temperature, &move.draw);
    return trial_report(code, move, temperature);
}

// Where a walk stands after `moves` of its moves, and the move tried there
// by hand: bit flipped and decided at temperature under rule, with f of
// every vector in table.
struct trial_point {
    std::int64_t moves;
    std::int32_t bit;
    double temperature;
    move_rule rule;
    const std::vector<double>* table;
    std::int32_t bits;
    trial move;
};

// Tries the move of point from state, with the draws the walk's source
// makes next: the walk's own choice of a bit (left unused), then its draw.
void try_at(trial_point& point, std::int32_t state)
{
    const auto at = [&point](std::int32_t k) {
        return (*point.table)[static_cast<std::size_t>(k)];
    };
    const std::int32_t to = state ^ (1 << (point.bits - 1 - point.bit));
    const float delta = move_delta(at(to), at(state));
    random_below(point.bits); // the bit the walk draws; the student chose instead
    point.move = {state, to, at(state), static_cast<float>(at(to)), delta, no_draw, false};
    point.move.taken = move_taken(point.rule, delta, point.temperature, &point.move.draw);
}

// Once the walk has made point's moves, its source stands where its next
// move begins: the move is tried there (and the rest of the walk, on other
// draws, is of no account).
void try_when_there(const move_report& move, void* context)
{
    auto& point = *static_cast<trial_point*>(context);
    if (--point.moves == 0)
        try_at(point, move.current_k);
}

// Flips bit (0 the most significant) of the solution that the walk of
// method in code on plan from seed, on the landscape that described stands
// for, stands on after moves of its moves, and decides the move at
// temperature as method does, with the draws the walk itself makes next.
// Returns {from, to, fromPoint, toPoint, before, proposed, delta, chance,
// draw, taken} (draw no_draw when it takes none), or null for a bit, a
// count of moves or a temperature out of range, method sample, or described
// no landscape.
val try_walk_move(study_method method, coding code, std::uint32_t seed, const schedule& plan,
                  std::int32_t moves, std::int32_t bit, double temperature, const val& described)
{
    landscape land;
    if (!landscape_of_description(described, &land))
        return val::null();
    const std::int64_t examined = examined_per_run(plan);
    const bool fine = bit >= 0 && bit < land.g.bits && moves >= 0 && moves <= examined &&
                      examined > 0 && examined <= most_watched && temperature > 0;
    if (!fine || method == study_method::sample)
        return val::null();
    const std::vector<double> table = objective_table(land, code);
    trial_point point{moves, bit, temperature, rule_of(method), &table, land.g.bits, {}};
    if (moves == 0) {
        std::int32_t start[landscape_bits];
        try_at(point, draw_start(seed, start));
    } else {
        run_once({method, plan, try_when_there, &point, &land, table.data(), code}, seed);
    }
    return trial_report(code, point.move, temperature);
}
} // namespace

EMSCRIPTEN_BINDINGS(trial)
{
    emscripten::function("tryMove", &try_move);
    emscripten::function("tryWalkMove", &try_walk_move);
}
