// One search watched: every move of a seeded run, as sinc-study --trace runs
// it, handed to the page with what decided it, and a row for every level.

#include "coding.h"
#include "landscape.h"
#include "rows.h"
#include "study.h"

#include <cmath>
#include <emscripten.h>

namespace {
// The most moves a watched search makes: the page keeps every one of them.
constexpr std::int64_t most_watched = 200000;

EM_JS(void, page_move,
      (int from, int bit, double delta, double chance, double draw, int taken, int state, int k,
       double current, double best_x, double best, double temperature),
      {
          Module.on_move(from, bit, delta, chance, draw, taken, state, k, current, best_x, best,
                         temperature);
      });
EM_JS(void, page_level, (const char* row), { Module.on_level(UTF8ToString(row)); });

void watch_move(const move_report& move, void* context)
{
    auto& tally = *static_cast<level_tally*>(context);
    page_move(point_of(tally.code, move.from_k), move.bit, move.delta,
              std::exp(move.delta / move.temperature), move.draw, move.taken ? 1 : 0,
              move.current_k, point_of(tally.code, move.current_k), move.current_objective,
              x_of_state(tally.code, move.best_k), move.best_objective, move.temperature);
    if (tally_move(tally, move))
        page_level(level_row(tally, move).c_str());
}
} // namespace

// Runs method (0 anneal, 1 climb) in code (0 binary, 1 Gray) on the
// schedule from seed, handing every move and every level's row to the page.
// Returns the moves made, or -1 when the schedule makes none or more than
// most_watched.
extern "C" EMSCRIPTEN_KEEPALIVE int watch_search(int method, int code, std::uint32_t seed,
                                                 double cooling, double initial, double final,
                                                 int moves)
{
    const schedule plan{cooling, initial, final, moves};
    const std::int64_t examined = examined_per_run(plan);
    if (examined <= 0 || examined > most_watched || method < 0 || method > 1 || code < 0 ||
        code > 1)
        return -1;
    const auto coded = static_cast<coding>(code);
    const std::vector<double> table = problem_objective_table(coded);
    level_tally tally{coded, moves, 0, 0, 0};
    run_once({static_cast<study_method>(method), plan, watch_move, &tally, table.data(), coded},
             seed);
    return static_cast<int>(examined);
}

// The most moves watch_search keeps, for the page to say so.
extern "C" EMSCRIPTEN_KEEPALIVE int most_watched_moves()
{
    return static_cast<int>(most_watched);
}

// f and x at grid point k, narrowed as the program stores them: the landscape.
extern "C" EMSCRIPTEN_KEEPALIVE double objective_at(int k)
{
    return grid_objective(k);
}

extern "C" EMSCRIPTEN_KEEPALIVE double x_at(int k)
{
    return grid_x(k);
}
