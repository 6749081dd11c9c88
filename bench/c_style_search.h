#pragma once
// The same search written the way a C programmer would put it down at first
// go: one file, static helpers, malloc, the same arithmetic in the same
// order. It is the baseline that the library's search is timed against.

#include <cstdint>
#include <cstdio>

// One search with the same meaning, arguments and printed text as anneal_to.
void c_style_anneal(std::FILE* out, int n, int full_scale, int* v, float* fo, double cooling,
                    double t0, double tf, int moves, float lower, float upper);
