#pragma once
// How far a long job has come, shown on standard error when that is a
// terminal, once the job has taken a while: "sinc-study: 4000 of 10800 runs".

#include <chrono>

struct progress {
    const char* tool; // the name the line starts with
    long done;
    long total;
    std::chrono::steady_clock::time_point start;
    bool at_terminal;
};

// Returns the progress of a job of total runs by tool, starting now.
progress start_progress(const char* tool, long total);

// Counts one more run done, and shows the count now and then.
void tick(progress& p);
