#pragma once
// The tools' command lines.

#include "study.h"

#include <cstdint>

// Returns the threads the machine runs at once, at least 1: how many runs
// the tools make side by side unless told.
unsigned all_cores();

// What sinc-study is asked to do: the default is 1000 runs of the
// program's search on its own schedule, from seed 1, on every core.
struct study_options {
    study_method method = study_method::anneal;
    schedule plan = problem_schedule;
    long runs = 1000;
    std::uint32_t seed = 1;
    bool sweep = false;
    bool trace = false;
    bool every_move = false; // with trace: a row per move, not per level
    bool exact = false;      // probabilities worked out, not runs counted
    bool map = false;        // with exact: where the search is, level by level
    unsigned threads = all_cores();
    coding code = coding::binary; // how a vector stands for a grid point
};

// What sinc-reliability is asked to do.
struct reliability_options {
    long runs = 10000;
    std::uint32_t seed = 1;
    unsigned threads = all_cores();
    coding code = coding::binary;
};

// What sinc-landscape is asked to do: the objective and its peaks, or where
// no single flip improves f, in each coding.
struct landscape_options {
    bool one_flip_peaks = false;
};

// Returns sinc-reliability's options, as parse_study_options does.
reliability_options parse_reliability_options(int argc, char** argv);

// Returns sinc-landscape's options, as parse_study_options does.
landscape_options parse_landscape_options(int argc, char** argv);

// Returns sinc-study's options; for --help prints the usage and exits 0,
// for bad input prints one line on standard error and exits 2.
study_options parse_study_options(int argc, char** argv);
