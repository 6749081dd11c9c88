#pragma once
// The rows of sinc-study's tables, as the tool prints them and the page
// shows them.

#include "study.h"

#include <string>

// Returns the row of runs runs of method on plan, which summary sums up,
// without a newline; for example
// "anneal\t0.97\t100\t0.1\t8\t1816\t200\t0.9650\t0.0250\t1.501432".
std::string study_row(study_method method, const schedule& plan, long runs,
                      const run_summary& summary);

// Returns the row of method's exact probabilities on plan of reaching above
// 1.5 and of reaching the best point, without a newline; for example
// "anneal\t0.97\t100\t0.1\t8\t1816\t0.964842877\t0.034585967".
std::string exact_row(study_method method, const schedule& plan, double above, double reached_best);
