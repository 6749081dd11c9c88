#pragma once
// Simulated annealing over bit vectors: a move inverts one random bit; a
// better solution is always taken, a worse one with probability
// exp(delta / T); T falls geometrically, with a fixed number of moves per
// temperature level.

#include "encoding.h"
#include "schedule.h"

#include <cstdint>

// --- The acceptance rule --------------------------------------------------

// For a move that does not improve (delta <= 0): returns true with
// probability exp(delta / temperature), always for delta == 0. Draws one
// uniform_between(0, 1), which it stores in *draw unless draw is null, and
// returns whether exp(delta / temperature) is above it.
bool accepts_worse(float delta, double temperature, double* draw = nullptr);

// --- The search -----------------------------------------------------------

// What a search does with a move that does not improve (delta <= 0).
enum class move_rule {
    anneal, // takes it as accepts_worse decides, with one draw
    climb,  // undoes it, without a draw
};

// What a move's draw is when it takes none.
inline constexpr double no_draw = -1.0;

// Returns the change of f that a move from a solution of objective current
// to one of objective proposed makes: proposed narrowed to float, and the
// difference narrowed again, as a search holds it.
float move_delta(double proposed, double current);

// Returns whether a move of change delta at temperature is taken under
// rule: always when delta > 0; otherwise as accepts_worse decides, with one
// draw stored in *draw, when annealing, and never when climbing (*draw is
// then left as it was).
bool move_taken(move_rule rule, float delta, double temperature, double* draw);

// One move as a watcher sees it, once it has been taken or undone.
struct move_report {
    double temperature;
    std::int32_t bit;    // the element flipped
    std::int32_t from_k; // the integer value of the solution it was made from
    std::int32_t to_k;   // and of the solution it proposed
    float delta;         // the change of f that the move proposed
    double draw;         // the draw accepts_worse compared with, or no_draw
    bool taken;
    std::int32_t current_k;  // the integer value of the current solution now
    float current_objective; // f of the current solution now, narrowed
    float best_objective;    // the best met so far, its x and integer value
    float best_x;
    std::int32_t best_k;
};

// How to run a search: the rule for moves that do not improve, a function
// called after every move with context (none when null), and f at every
// point of the grid, from fill_objective_table (null: evaluate f).
struct search_variant {
    move_rule rule;
    void (*watch)(const move_report& move, void* context);
    void* context;
    const double* objective_table;
};

// Sets table[k] to f at grid point k, as a search evaluates it, for every
// k from 0 to g.full_scale. Lets many searches share one evaluation a point.
void fill_objective_table(const grid& g, double* table);

// What a search reports: where it started and the best solution it met.
struct search_result {
    float start_x;         // x of the starting solution
    float best_x;          // x of the best solution met
    float best_objective;  // its objective, narrowed
    std::int32_t examined; // levels times moves per level
};

// One run from bits, a vector on g (g.bits of at least 1), following plan.
// *current_objective must hold f of the start; each move that is taken sets
// it to f of the new solution, narrowed. On return, bits and
// *current_objective hold the best solution met (the first met of the
// highest objective) and its objective, which the result repeats. With the
// climb rule, T only counts the levels. Prints nothing.
search_result search_from(const search_variant& variant, const grid& g, const schedule& plan,
                          std::int32_t* bits, float* current_objective);
