#pragma once
// Experiments with the search: the program's annealing beside a
// hill-climber and plain random sampling, on any cooling schedule. Every
// run starts from a random solution, as option 1 draws it.

#include "anneal.h"
#include "problem.h"

#include <cstdint>
#include <cstdio>

// --- Schedules ------------------------------------------------------------

struct schedule {
    double cooling;             // T is multiplied by it after each level, 0 < cooling < 1
    double initial_temperature; // T of the first level
    double final_temperature;   // levels run while T is above it
    std::int32_t moves_per_level;
};

// The program's own: 0.97, 100, 0.1 and 8 moves a level.
inline constexpr schedule program_schedule{search_cooling, search_initial_temperature,
                                           search_final_temperature, problem_bits / 2};

// The most solutions a run may examine: about a second of searching.
inline constexpr std::int64_t most_examined = 10000000;

// Returns the solutions one search examines on plan: its levels times its
// moves per level. 0 when no level runs or moves_per_level < 1; -1 when the
// count would pass most_examined, as it does for a schedule that never ends.
// The program's schedule gives 227 levels: 1816.
std::int64_t examined_per_run(const schedule& plan);

// --- Runs -----------------------------------------------------------------

enum class study_method {
    anneal, // the program's search
    climb,  // the same loop, keeping only moves that improve
    sample, // independent random solutions, the best kept
};

// How to run: the method and its schedule (sample draws as many solutions
// as the schedule examines, its start among them), where the search's
// printing goes (it is not kept), and a watcher of every move (none when
// null; sample makes no moves). The schedule must pass examined_per_run.
struct run_setup {
    study_method method;
    schedule plan;
    std::FILE* sink;
    void (*watch)(const move_report& move, void* context);
    void* context;
};

struct run_outcome {
    std::int32_t k;       // the grid point the run ended on
    float best_objective; // the best objective it met, as it reports it
};

// One run of setup from a random start, all its draws from seed.
run_outcome run_once(const run_setup& setup, std::uint32_t seed);
