#include "progress.h"

#include "output.h"

#include <cstdio>

namespace {
using clock_type = std::chrono::steady_clock;
constexpr auto quiet_time = std::chrono::seconds(1); // progress shows after this long
constexpr auto time_between_lines = std::chrono::milliseconds(200);
constexpr const char* erase_line = "\r\033[K"; // back to the start, and blank to the end

// The seconds left if the rest of the work goes as fast as what is done.
double seconds_left(const progress& p, clock_type::duration elapsed, std::int64_t work_done)
{
    const double seconds = std::chrono::duration<double>(elapsed).count();
    const auto rest = static_cast<double>(p.total_work - work_done);
    return seconds * rest / static_cast<double>(work_done);
}
} // namespace

progress start_progress(const char* tool, long total, std::int64_t total_work, const char* unit)
{
    return {tool, unit, total, total_work, clock_type::now(), stderr_is_terminal()};
}

// Of the threads that tick at about the same time, the one that moves
// last_line on shows the line, so that lines never mix.
void tick(progress& p, std::int64_t work)
{
    const long done = ++p.done;
    const std::int64_t work_done = p.work_done += work;
    if (!p.at_terminal)
        return;
    const clock_type::duration elapsed = clock_type::now() - p.start;
    clock_type::duration last = p.last_line;
    if (elapsed < quiet_time || elapsed - last < time_between_lines ||
        !p.last_line.compare_exchange_strong(last, elapsed))
        return;
    std::fprintf(stderr, "%s%s: %ld of %ld %s, about %.0f s left", erase_line, p.tool, done,
                 p.total, p.unit, seconds_left(p, elapsed, work_done));
    p.line_shows = true;
}

void clear_progress(progress& p)
{
    if (p.line_shows.exchange(false))
        std::fputs(erase_line, stderr);
}

void tick_progress(std::int64_t work, void* context)
{
    tick(*static_cast<progress*>(context), work);
}
