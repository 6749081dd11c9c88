// One move chosen by hand: the student picks the bit to flip, and the move
// is decided by the search's own rule, with a draw from the search's own
// source, so that the page shows what the C++ decided.

#include "coding.h"
#include "draws.h"
#include "landscape.h"
#include "page_landscape.h"
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
} // namespace

EMSCRIPTEN_BINDINGS(trial)
{
    emscripten::function("tryMove", &try_move);
}
