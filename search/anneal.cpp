#include "anneal.h"

#include "draws.h"
#include "encoding.h"
#include "objective.h"

#include <cmath>

namespace {
// What one run carries from move to move. Besides the vector, it keeps the
// vector's integer value and its objective at full precision up to date, so
// that a move decodes and evaluates only the solution it proposes.
struct run_state {
    std::int32_t* bits;
    std::int32_t* best_bits;
    const grid* g;
    const search_variant* variant;
    float* current_objective; // f of the current solution, narrowed
    std::int32_t k;           // the integer value of bits
    double f;                 // objective of the decoded bits, not narrowed
    float best_objective;
    float best_x;
    std::int32_t best_k;
};

float x_of(const run_state& run, std::int32_t k)
{
    return static_cast<float>(decode_integer(k, *run.g));
}

// f at the solution of integer value k, not narrowed: from the table when
// there is one, bit for bit what evaluating gives.
double f_of(const run_state& run, std::int32_t k)
{
    const double* table = run.variant->objective_table;
    return table != nullptr ? table[k] : objective(x_of(run, k));
}

// Makes the solution of integer value k the current one.
void move_to(run_state& run, std::int32_t k, double f)
{
    run.k = k;
    run.f = f;
}

// The solution a move proposes: its integer value and objective, and the
// change of the objective from the current solution, narrowed.
struct proposal {
    std::int32_t k;
    double f;
    float delta;
};

// Makes the proposed solution the current one, with its own objective: the
// value the move's delta was computed from, never a sum of deltas, which
// would drift with their roundings. It becomes the best when its objective
// passes the best one, which only an improvement can do.
void take_move(run_state& run, const proposal& next)
{
    *run.current_objective = static_cast<float>(next.f);
    move_to(run, next.k, next.f);
    if (*run.current_objective > run.best_objective) {
        copy_bits(run.best_bits, run.bits, run.g->bits);
        run.best_objective = *run.current_objective;
        run.best_x = x_of(run, next.k); // decoded only for a new best
        run.best_k = next.k;
    }
}

// Flips back a refused move. Flipping back restores the vector, except when
// the element held something other than 0 or 1: it became 0, and now 1.
void undo_move(run_state& run, std::int32_t index, std::int32_t new_k)
{
    const std::int32_t k = new_k + flip_bit_change(run.bits, run.g->bits, index);
    if (k != run.k)
        move_to(run, k, f_of(run, k));
}

// Inverts one random bit, then keeps or undoes the inversion. A move that
// does not improve is kept as accepts_worse decides when the search anneals,
// and never when it climbs.
void make_move(run_state& run, double temperature)
{
    const std::int32_t from = run.k;
    const std::int32_t index = random_below(run.g->bits);
    proposal next{run.k + flip_bit_change(run.bits, run.g->bits, index), 0, 0};
    next.f = f_of(run, next.k);
    next.delta = move_delta(next.f, run.f);
    double draw = no_draw;
    const bool taken = move_taken(run.variant->rule, next.delta, temperature, &draw);
    if (taken)
        take_move(run, next);
    else
        undo_move(run, index, next.k);
    if (run.variant->watch != nullptr)
        run.variant->watch({temperature, index, from, next.k, next.delta, draw, taken, run.k,
                            *run.current_objective, run.best_objective, run.best_x, run.best_k},
                           run.variant->context);
}

} // namespace

// The old objective enters at full precision; only the difference is narrowed.
float move_delta(double proposed, double current)
{
    return static_cast<float>(static_cast<float>(proposed) - current);
}

bool move_taken(move_rule rule, float delta, double temperature, double* draw)
{
    if (delta > 0.0f)
        return true;
    return rule == move_rule::anneal && accepts_worse(delta, temperature, draw);
}

bool accepts_worse(float delta, double temperature, double* draw)
{
    const double drawn = uniform_between(0.0, 1.0);
    if (draw != nullptr)
        *draw = drawn;
    return std::exp(delta / temperature) > drawn;
}

void fill_objective_table(const grid& g, double* table)
{
    for (std::int32_t k = 0; k <= g.full_scale; ++k)
        table[k] = objective(static_cast<float>(decode_integer(k, g)));
}

search_result search_from(const search_variant& variant, const grid& g, const schedule& plan,
                          std::int32_t* bits, float* current_objective)
{
    std::int32_t* best_bits = allocate_bits(g.bits); // may end the process
    copy_bits(best_bits, bits, g.bits);
    const std::int32_t k = bits_to_integer(bits, g.bits);
    const auto x = static_cast<float>(decode_integer(k, g));
    run_state run{bits, best_bits, &g, &variant, current_objective, k, 0, *current_objective, x, k};
    run.f = f_of(run, k);

    const auto levels = static_cast<std::int32_t>(for_each_level(plan, [&](std::int64_t, double t) {
        for (std::int32_t move = 0; move < plan.moves_per_level; ++move)
            make_move(run, t);
        return true;
    }));

    copy_bits(bits, best_bits, g.bits);
    *current_objective = run.best_objective;
    release_bits(best_bits);
    return {x, run.best_x, run.best_objective, levels * plan.moves_per_level};
}
