#pragma once
// The options of a schedule's shape, --schedule and --levels, shared by
// sinc-study and sinc-reliability.

#include "option_values.h"
#include "schedule.h"

// What --schedule and --levels were given: the shape, and L (0: not given).
struct shape_choice {
    cooling_shape shape = cooling_shape::geometric;
    std::int32_t levels = 0;
};

// Binds --schedule and --levels to *choice.
void add_shape_options(CLI::App& app, shape_choice* choice);

// Returns plan with the shape and L of choice, L by default the levels of
// the geometric schedule between plan's ends (see shaped_schedule). Exits
// with status 2 and one line for --levels with the geometric shape, for
// --levels with --cooling, for a shaped schedule whose final temperature is
// not above 0, and for an L whose runs would examine over the tools' most.
schedule settle_shape(const CLI::App& app, const shape_choice& choice, const schedule& plan);
