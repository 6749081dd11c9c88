#pragma once
// The rows of sinc-study's tables, as the tool prints them and the page
// shows them.

#include "study.h"
#include "time_to_target.h"

#include <string>

// Returns the name of the column of the share above target: "above_" and
// the target as %g prints it, with "_" for "." and "m" for "-":
// "above_1_5" for 1.5, "above_m0_25" for -0.25.
std::string above_column(float target);

// The header lines of the tables whose rows study_row, level_row and
// exact_row give; the first and last name the column above land's target.
std::string study_header(const landscape& land);
inline constexpr char level_header[] =
    "level\texamined\ttemperature\tcurrent_x\tcurrent\tbest_x\tbest\tworse_taken";
std::string exact_header(const landscape& land);
inline constexpr char time_to_target_header[] = "level\texamined\tanneal\tclimb\tsample";

// In every row that shows a schedule, the cooling column holds the cooling
// factor of a geometric one, and the shape's name (linear, logarithmic or
// fast) of any other, whose levels are then examined / moves.

// Returns the row of runs runs of method on plan, which summary sums up,
// without a newline; for example
// "anneal\t0.97\t100\t0.1\t8\t1816\t200\t0.9650\t0.0250\t1.501432".
std::string study_row(study_method method, const schedule& plan, long runs,
                      const run_summary& summary);

// What a level trace counts over one level of moves, and the landscape and
// code it reads vectors in.
struct level_tally {
    const landscape* land;
    coding code;
    std::int32_t moves_per_level;
    std::int32_t moves;       // made so far, in every level
    std::int32_t worse;       // proposed in this level, with delta < 0
    std::int32_t worse_taken; // of those, taken
};

// Returns x of the grid point of land that the vector of integer value
// state stands for in code.
double x_of_state(const landscape& land, coding code, std::int32_t state);

// Counts move in tally. Returns true when it ends a level, whose row
// level_row then gives.
bool tally_move(level_tally& tally, const move_report& move);

// Returns the trace row of the level that move ended, without a newline,
// and starts the next level's counts: level, examined, T, the current x and
// f, the best x and f, and the share of worse moves taken ("-" when none
// was proposed).
std::string level_row(level_tally& tally, const move_report& move);

// Returns the row of method's exact probabilities on plan of reaching above
// the target and of reaching a best point, without a newline; for example
// "anneal\t0.97\t100\t0.1\t8\t1816\t0.964842877\t0.034585967".
std::string exact_row(study_method method, const schedule& plan, double above, double reached_best);

// Returns the row of level (from 0) of curves, without a newline: the level
// (from 1), the solutions examined by its end, and each method's chance
// with decimals decimals; for example "227\t1816\t0.964842877\t...".
std::string time_to_target_row(const target_curves& curves, std::size_t level, int decimals);

// Returns the line of curves' medians (see median_examined), without a
// newline: "# median solutions examined to reach above 1.5: anneal 640,
// climb never, sample 200".
std::string median_line(const target_curves& curves);
