#pragma once
// The tools' command lines.

#include "study.h"

#include <cstdint>

// What sinc-study is asked to do: the default is 1000 runs of the
// program's search on its own schedule, from seed 1.
struct study_options {
    study_method method = study_method::anneal;
    schedule plan = problem_schedule;
    long runs = 1000;
    std::uint32_t seed = 1;
    bool sweep = false;
    bool trace = false;
};

// Returns sinc-study's options; for --help prints the usage and exits 0,
// for bad input prints one line on standard error and exits 2.
study_options parse_study_options(int argc, char** argv);
