#pragma once
// The same search written the way a C programmer would put it down at first
// go: one file, static helpers, malloc, and the arithmetic step by step as
// described, with two decodes (a pow per bit) and two evaluations of the
// objective per move. The library's search must print and leave exactly
// what this one does; the benchmark times the two side by side.

#include <cstdint>
#include <cstdio>

// One search with the same meaning, arguments and printed text as anneal_to.
void c_style_anneal(std::FILE* out, int n, int full_scale, int* v, float* fo, double cooling,
                    double t0, double tf, int moves, float lower, float upper);
