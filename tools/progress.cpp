#include "progress.h"

#include "output.h"

#include <cstdio>

namespace {
constexpr auto quiet_time = std::chrono::seconds(1); // progress shows after this long
constexpr long runs_between_lines = 100;
} // namespace

progress start_progress(const char* tool, long total)
{
    return {tool, 0, total, std::chrono::steady_clock::now(), stderr_is_terminal()};
}

void tick(progress& p)
{
    ++p.done;
    if (p.at_terminal && p.done % runs_between_lines == 0 &&
        std::chrono::steady_clock::now() - p.start > quiet_time)
        std::fprintf(stderr, "\r%s: %ld of %ld runs%s", p.tool, p.done, p.total,
                     p.done == p.total ? "\n" : "");
}
