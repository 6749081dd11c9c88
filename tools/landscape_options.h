#pragma once
// The options that choose a landscape, which every tool shares: a preset by
// name, or a function typed as an expression on an interval, and the
// target that "reached above" counts.

#include "landscape.h"

#include <CLI/CLI.hpp>

#include <string>

// What the landscape options say, as typed.
struct landscape_text {
    std::string preset;
    std::string function;
    std::string interval;
    double target = 0;
};

// Binds --landscape, --function, --interval and --target to text, and lists
// the presets at the end of the help.
void add_landscape_options(CLI::App& app, landscape_text& text);

// Returns the landscape that text asks for, once app has parsed it. A preset
// with --function or --interval, or a request that cannot be a landscape,
// prints one line ("tool: --function: ...") and exits with status 2.
landscape landscape_or_exit(const CLI::App& app, const landscape_text& text);
