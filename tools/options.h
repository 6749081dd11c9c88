#pragma once
// The tools' command lines. Each parser below, for --help or --version,
// prints on standard output and exits 0 (1 when that output is lost); for
// bad input it prints one line on standard error, "tool: what is wrong",
// and exits 2. Every option given is either used or refused.

#include "landscape.h"
#include "problem.h"
#include "study.h"

#include <cstdint>

// The most runs the tools make side by side.
inline constexpr unsigned most_threads = 256;

// Returns the threads the machine runs at once, from 1 to most_threads: how
// many runs the tools make side by side unless told.
unsigned all_cores();

// What sinc-study is asked to do: the default is 1000 runs of the
// program's search on its own schedule, from seed 1, on every core.
struct study_options {
    study_method method = study_method::anneal;
    schedule plan = problem_schedule;
    long runs = 1000;
    std::uint32_t seed = 1;
    bool sweep = false;
    bool every_method = false; // with sweep: all three methods, not only method
    bool trace = false;
    bool every_move = false;     // with trace: a row per move, not per level
    bool exact = false;          // probabilities worked out, not runs counted
    bool map = false;            // with exact: where the search is, level by level
    bool time_to_target = false; // each method's chance of the target, level by level
    unsigned threads = all_cores();
    coding code = coding::binary; // how a vector stands for a grid point
    landscape land;               // the function on its grid, and the target
};

// What sinc-reliability is asked to do.
struct reliability_options {
    schedule plan = problem_schedule; // its shape and levels may be chosen
    long runs = 10000;
    std::uint32_t seed = 1;
    unsigned threads = all_cores();
    coding code = coding::binary;
    landscape land;
};

// What sinc-landscape is asked to do: the objective and its peaks, or where
// no single flip improves f, in each coding.
struct landscape_options {
    bool one_flip_peaks = false;
    bool every_point = false;
    landscape land;
};

// Returns sinc-reliability's options.
reliability_options parse_reliability_options(int argc, char** argv);

// Returns sinc-landscape's options: --one-flip-peaks and the landscape,
// besides --help and --version.
landscape_options parse_landscape_options(int argc, char** argv);

// Returns sinc-study's options.
study_options parse_study_options(int argc, char** argv);
