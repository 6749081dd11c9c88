#pragma once
// The console around a program's output: whether anyone watches its
// standard error, and whether its standard output got through.

// Returns true when standard error is a terminal, where progress may show.
bool stderr_is_terminal();

// Flushes standard output and checks that everything written to it got
// there. Returns 0 if so. Otherwise prints one line on standard error,
// "program: error writing standard output", with the reason when it is
// known, and returns 1: the exit status of a run whose output was lost
// (to a full disk, or /dev/full).
int finish_output(const char* program);
