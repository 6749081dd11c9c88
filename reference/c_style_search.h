#pragma once
// The same search written the way a C programmer would put it down at first
// go: one file, static helpers, malloc, and the arithmetic step by step as
// described, with two decodes (a pow per bit) and two evaluations of the
// objective per move. The library's search must print and leave exactly
// what this one does; the benchmark times the two side by side.

#include "anneal.h"

#include <cstdio>

// f(x) as the formula reads, in float arguments and double sums.
double c_objective(float x);

// One search as the program's option 2 runs it, printing the same text to
// out (nothing when out is null).
void c_style_anneal(std::FILE* out, const grid& g, const schedule& plan, int* v, float* fo);
