#pragma once
// The rows of sinc-study's tables, as the tool prints them and the page
// shows them.

#include "study.h"

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
