#pragma once
// The function the program maximises on [-2, 2]:
// f(x) = 0.4 + sinc(4x) + 1.1 sinc(4x + 2) + 0.8 sinc(6x - 2) + 0.7 sinc(6x - 4).
// Its largest value on the 17-bit grid is about 1.501564, at x = -0.507160.

// Returns the normalised sinc, sin(pi t) / (pi t), rounded to float;
// exactly 1 for t == 0, and about 0 for any other integer t.
float sinc(float t);

// Returns f(x) in double precision; callers narrow it to float. Each sinc
// argument is formed in float from x, the partial sums in double.
// f(0) = 1.4, f(-0.5) = 1.5, f(+-1) and f(+-2) are about 0.4.
double objective(float x);
