// What the page's forms ask before they start a job: how many solutions a
// schedule examines, and the most a run may, as the tools count them.

#include "study.h"

#include <emscripten.h>

// Returns the solutions one run of the schedule examines: 0 when it runs no
// level, -1 when it never ends or examines over most_examined_per_run().
extern "C" EMSCRIPTEN_KEEPALIVE double examined_by_schedule(double cooling, double initial,
                                                            double final, int moves)
{
    return static_cast<double>(examined_per_run({cooling, initial, final, moves}));
}

extern "C" EMSCRIPTEN_KEEPALIVE double most_examined_per_run()
{
    return static_cast<double>(most_examined);
}
