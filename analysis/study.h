#pragma once
// Experiments with the search: the program's annealing beside a
// hill-climber and plain random sampling, on any cooling schedule. Every
// run starts from a random solution, as option 1 draws it.

#include "anneal.h"
#include "coding.h"
#include "landscape.h"

#include <cstdint>
#include <vector>

// --- Schedules ------------------------------------------------------------

// The most solutions a run may examine: about a second of searching.
inline constexpr std::int64_t most_examined = 10000000;

// Returns the solutions one search examines on plan: its levels times its
// moves per level. 0 when no level runs or moves_per_level < 1; -1 when the
// count would pass most_examined, as it does for a schedule that never ends.
// The program's schedule gives 227 levels: 1816.
std::int64_t examined_per_run(const schedule& plan);

// Returns the levels that a geometric plan with plan's cooling, ends and
// moves runs, counted no further than most_examined + 1 (see level_count):
// the L that another shape takes by default, 227 at the program's.
std::int64_t default_levels(const schedule& plan);

// Returns plan with shape and levels levels; levels 0 takes default_levels
// (as an int32, so capped at most_examined + 1). For geometric, levels is
// left at 0. What the tools and the page make of a shape and an L.
schedule shaped_schedule(schedule plan, cooling_shape shape, std::int32_t levels);

// Returns the schedules of a sweep from initial_temperature: cooling 0.9,
// 0.97 and 0.99, with each final temperature of 1, 0.1, 0.01 and 0.001 and
// each count of 2, 8 and 32 moves per level; 36 in all.
std::vector<schedule> sweep_schedules(double initial_temperature);

// --- Runs -----------------------------------------------------------------

enum class study_method {
    anneal, // the program's search
    climb,  // the same loop, keeping only moves that improve
    sample, // independent random solutions, the best kept
};

// Returns the move rule of a method that moves: climb's for climb, and
// anneal's otherwise (sampling makes no moves).
move_rule rule_of(study_method method);

// The methods' names, indexed by study_method.
inline constexpr const char* method_names[] = {"anneal", "climb", "sample"};

// How to run: the method and its schedule (sample draws as many solutions
// as the schedule examines, its start among them), a watcher of every move
// (none when null; sample makes no moves; it sees integer values of
// vectors), the landscape, f at every vector, from objective_table(*land,
// code), the code the vectors are read in, and whether to note when the run
// first reached the target. The schedule must pass examined_per_run. A run
// prints nothing.
struct run_setup {
    study_method method;
    schedule plan;
    void (*watch)(const move_report& move, void* context);
    void* context;
    const landscape* land;
    const double* objective_table;
    coding code;
    bool find_time_to_target = false;
};

struct run_outcome {
    std::int32_t k;       // the best grid point the run reached, as it reports it
    float best_objective; // the best objective it met, as it reports it
    // With find_time_to_target: the solutions examined when the best first
    // passed the landscape's target (a search's start is 0, a sample's first draw
    // 1); -1 when it never did, or when not asked.
    std::int64_t examined_to_target = -1;
};

// Restarts the calling thread's source from seed and draws a run's start
// into bits (landscape_bits of them), as run_once does; returns its
// integer value. The draws that follow are the run's own: its first move's,
// or its second sample.
std::int32_t draw_start(std::uint32_t seed, std::int32_t* bits);

// One run of setup from a random start, all its draws from seed. Runs in
// either code make the same draws, so the same starts and flips.
run_outcome run_once(const run_setup& setup, std::uint32_t seed);

// Returns the integer values of the count solutions that run_once's
// sampling from seed examines, in the order drawn, its start first; none
// for count <= 0. What a sampling run would show if it were watched.
std::vector<std::int32_t> sampled_solutions(std::uint32_t seed, std::int64_t count);

// Called once a run is done with the solutions it examined, from any of
// the threads, maybe from several at once.
struct run_progress {
    void (*done)(std::int64_t examined, void* context); // none when null
    void* context;
};

// Runs runs runs of setup, run i from seed first_seed + i, spread over
// threads threads (fewer when there are fewer runs; at least 1), telling
// shown after each. Returns the outcomes in the order of i, the same
// whatever threads is. setup.watch, if any, is called from every thread.
std::vector<run_outcome> run_many(const run_setup& setup, std::uint32_t first_seed, long runs,
                                  unsigned threads, run_progress shown);

// --- What the runs achieved -----------------------------------------------

// The shares of runs whose best objective is above the landscape's target
// and that reached one of its best points, and their mean best objective.
struct run_summary {
    double above_threshold;
    double at_best_point;
    double mean_best;
};

// Returns the summary of outcomes on land; all zero when there are none.
run_summary summarize(const std::vector<run_outcome>& outcomes, const landscape& land);
