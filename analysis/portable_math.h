// The elementary functions that a typed expression may call, computed by
// the same code on every platform: the same double, to the bit, whatever
// the C library or the compiler. They follow the classic fdlibm algorithms
// (Sun Microsystems, 1993, by way of FreeBSD and musl), each within one
// unit in the last place of the true value; every product and every sum
// is a statement of its own, so that no compiler may fuse them.
#pragma once

// sin, cos and tan of x in radians, for every finite x: a huge x is reduced
// with as many bits of 2/pi as it needs. NaN for an infinite or NaN x.
double portable_sin(double x);
double portable_cos(double x);
double portable_tan(double x);

// asin and acos on [-1, 1], NaN outside; atan of any x, in (-pi/2, pi/2).
double portable_asin(double x);
double portable_acos(double x);
double portable_atan(double x);

// e^x, infinite above 709.78 and 0 below -745.13.
double portable_exp(double x);
// The natural logarithm: -infinity at 0, NaN below 0.
double portable_log(double x);
// x^y as C's pow defines it at the edges: 1 for y = 0 or x = 1, NaN for a
// negative x and a y that is not an integer, the sign of x for an odd y.
double portable_pow(double x, double y);
