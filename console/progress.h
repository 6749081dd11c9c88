#pragma once
// How far a long job has come, shown on standard error when that is a
// terminal, once the job has taken a while: "sinc-study: 4000 of 10800 runs,
// about 12 s left", or of other steps ("levels"). Runs may end on many
// threads at once.

#include <atomic>
#include <chrono>
#include <cstdint>

struct progress {
    const char* tool;        // the name the line starts with
    const char* unit;        // what the job counts: "runs", "levels"
    long total;              // runs in the whole job
    std::int64_t total_work; // solutions those runs examine, what the time left is reckoned on
    std::chrono::steady_clock::time_point start;
    bool at_terminal;
    std::atomic<long> done{0};
    std::atomic<std::int64_t> work_done{0};
    std::atomic<std::chrono::steady_clock::duration> last_line{}; // when the line last showed
    std::atomic<bool> line_shows{false};
};

// Returns the progress of a job of total runs (or other units) by tool,
// which examine total_work solutions in all (at least 1), starting now.
progress start_progress(const char* tool, long total, std::int64_t total_work,
                        const char* unit = "runs");

// Counts one more run done, which examined work solutions, and now and then
// shows the count and the time left. Safe to call from many threads at once.
void tick(progress& p, std::int64_t work);

// tick on the progress that context points to: a callback for jobs that
// report through a function and a context.
void tick_progress(std::int64_t work, void* context);

// Clears the progress line, if one shows, so that what is printed next
// starts on a clean line. Call it while no run is ticking.
void clear_progress(progress& p);
