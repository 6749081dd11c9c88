#pragma once
// The console around a program: whether anyone watches its standard error,
// whether its standard input could be read, and whether its standard output
// got through.

// Returns true when standard error is a terminal, where progress may show.
bool stderr_is_terminal();

// Returns 0 when standard input has had no read error, the end of input
// included. Otherwise prints "program: error reading standard input: REASON"
// on standard error and returns 1. Call it right after the failed read, while
// errno still holds the reason.
int finish_input(const char* program);

// Flushes standard output and checks that everything written to it got
// there. Returns 0 if so. Otherwise prints one line on standard error,
// "program: error writing standard output", with the reason when it is
// known, and returns 1: the exit status of a run whose output was lost
// (to a full disk, or /dev/full).
int finish_output(const char* program);
