// The exact answer: the probabilities of sinc-study --exact for a method and
// a schedule, level by level with the map of where the search is beside the
// Boltzmann distribution, and the row of the tool's table at the end.

#include "coding.h"
#include "exact.h"
#include "landscape.h"
#include "rows.h"
#include "study.h"

#include <emscripten.h>
#include <vector>

namespace {
EM_JS(void, page_exact_level,
      (int level, int levels, double temperature, double in_top_basin, double above,
       double at_maximum, double distance, const double* current, const double* boltzmann,
       int bars),
      {
          Module.on_exact_level(level, levels, temperature, in_top_basin, above, at_maximum,
                                distance, HEAPF64.slice(current >> 3, (current >> 3) + bars),
                                HEAPF64.slice(boltzmann >> 3, (boltzmann >> 3) + bars));
      });
EM_JS(void, page_exact_row, (const char* header, const char* row),
      { Module.on_row(UTF8ToString(header), UTF8ToString(row)); });

// What the levels need: the plan's level count and the top peak's basin.
struct panel {
    std::int32_t levels;
    std::vector<std::int32_t> basins;
};

void report_level(const exact_level& level, void* context)
{
    const panel& shown = *static_cast<const panel*>(context);
    const level_map map = map_of_level(level);
    page_exact_level(level.level + 1, shown.levels, level.temperature,
                     basin_share(level.current, shown.basins, 0), level.above, level.at_maximum,
                     map.distance, map.current.data(), map.boltzmann.data(),
                     static_cast<int>(map.current.size()));
}
} // namespace

// Works out the exact figures of method (0 anneal, 1 climb) in code (0
// binary, 1 Gray) on the schedule,
// one thread, reporting every level; then reports sinc-study --exact's row,
// with its nine decimals. Returns the levels, or -1 when the schedule runs
// none or too many.
extern "C" EMSCRIPTEN_KEEPALIVE int exact_answer(int method, int code, double cooling,
                                                 double initial, double final, int moves)
{
    const schedule plan{cooling, initial, final, moves};
    const std::int64_t examined = examined_per_run(plan);
    if (examined <= 0 || method < 0 || method > 1 || code < 0 || code > 1)
        return -1;
    const auto coded = static_cast<coding>(code);
    panel shown{static_cast<std::int32_t>(examined / moves), grid_basins(grid_peaks())};
    const auto shown_method = static_cast<study_method>(method);
    const exact_result result =
        exact_search(rule_of(shown_method), coded, plan, 1, report_level, &shown);
    page_exact_row(exact_header,
                   exact_row(shown_method, plan, result.above, result.at_maximum).c_str());
    return shown.levels;
}

// The x at the middle of the map's bar number bar, where the page draws it.
extern "C" EMSCRIPTEN_KEEPALIVE double map_bar_x(int bar)
{
    return bar_middle_x(bar);
}
