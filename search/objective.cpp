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

// The sum runs in this order, each float sinc widened as it is added, so
// that every printed digit stays the same from one build to the next.
double objective(float x)
{
    double s = sinc(narrow_scale * x) + constant_term;
    s = s + second_weight * sinc(narrow_scale * x + near_offset);
    s = s + third_weight * sinc(wide_scale * x - near_offset);
    s = s + fourth_weight * sinc(wide_scale * x - far_offset);
    return s;
}
