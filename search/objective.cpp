#include "objective.h"

#include <cmath>
#include <numbers>

namespace {
constexpr float narrow_scale = 4.0f; // scale of the first pair of terms
constexpr float wide_scale = 6.0f;   // scale of the second pair
constexpr float near_offset = 2.0f;
constexpr float far_offset = 4.0f;
constexpr double constant_term = 0.4;
constexpr double second_weight = 1.1;
constexpr double third_weight = 0.8;
constexpr double fourth_weight = 0.7;
} // namespace

float sinc(float t)
{
    if (t == 0.0f)
        return 1.0f;
    const double u = t * std::numbers::pi;
    return static_cast<float>(std::sin(u) / u);
}

// One product or sum a statement, narrowed where the program narrows: each
// sinc argument is a float product and a float sum, the partial sums are
// double, added in this order. No compiler may fuse a multiply and an add
// across statements (GCC needs -ffp-contract=off for that), so every printed
// digit is the same from one build to the next.
double objective(float x)
{
    const float narrow = narrow_scale * x;
    const float wide = wide_scale * x;
    const float narrow_shifted = narrow + near_offset;
    const float wide_near = wide - near_offset;
    const float wide_far = wide - far_offset;
    double s = sinc(narrow) + constant_term;
    const double second = second_weight * sinc(narrow_shifted);
    s = s + second;
    const double third = third_weight * sinc(wide_near);
    s = s + third;
    const double fourth = fourth_weight * sinc(wide_far);
    s = s + fourth;
    return s;
}
