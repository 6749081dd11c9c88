#pragma once
// Simulated annealing over bit vectors: a move inverts one random bit; a
// better solution is always taken, a worse one with probability
// exp(delta / T); T falls geometrically, with a fixed number of moves per
// temperature level.

#include <cstdint>
#include <cstdio>

// --- Draws ----------------------------------------------------------------

// Returns a value in [lo, hi) on a grid of 1/10000 of the width, drawn from
// the random source; lo itself, without a draw, when lo == hi.
// uniform_between(0, 1) is one of 0.0000, 0.0001, ..., 0.9999.
double uniform_between(double lo, double hi);

// The acceptance rule for a move that does not improve (delta <= 0):
// returns true with probability exp(delta / temperature), always for
// delta == 0. Draws one uniform_between(0, 1).
bool accepts_worse(float delta, double temperature);

// --- The search -----------------------------------------------------------

// One annealing run from bits (n of them, decoded with full_scale, lower and
// upper). *current_objective must hold f of the start; it is kept as a
// running sum of accepted deltas, never re-evaluated. Levels run while
// T > final_temperature, T starting at initial_temperature and multiplied by
// cooling after each level (cooling must be below 1). Prints the starting
// line and the report of the best solution to out; on return, bits and
// *current_objective hold the best solution met and its objective.
// n must be at least 1.
void anneal_to(std::FILE* out, std::int32_t n, std::int32_t full_scale, std::int32_t* bits,
               float* current_objective, double cooling, double initial_temperature,
               double final_temperature, std::int32_t moves_per_level, float lower, float upper);

// anneal_to on standard output.
void anneal(std::int32_t n, std::int32_t full_scale, std::int32_t* bits, float* current_objective,
            double cooling, double initial_temperature, double final_temperature,
            std::int32_t moves_per_level, float lower, float upper);

// --- Variants, for the tools ----------------------------------------------

// What a search does with a move that does not improve (delta <= 0).
enum class move_rule {
    anneal, // takes it as accepts_worse decides, with one draw
    climb,  // undoes it, without a draw
};

// One move as a watcher sees it, once it has been taken or undone.
struct move_report {
    double temperature;
    float delta; // the change of f that the move proposed
    bool taken;
    std::int32_t current_k;  // the integer value of the current solution now
    float current_objective; // the running objective now
    float best_objective;    // the best met so far, and its x
    float best_x;
};

// How to run a search: the rule for moves that do not improve, and a
// function called after every move with context (none when null).
struct search_variant {
    move_rule rule;
    void (*watch)(const move_report& move, void* context);
    void* context;
};

// anneal_to, run as variant says; anneal_to is the anneal rule, unwatched.
// With the climb rule, T only counts the levels.
void search_to(const search_variant& variant, std::FILE* out, std::int32_t n,
               std::int32_t full_scale, std::int32_t* bits, float* current_objective,
               double cooling, double initial_temperature, double final_temperature,
               std::int32_t moves_per_level, float lower, float upper);
