// Evaluating an expression: its postfix steps on a stack, in double. The
// elementary functions are the portable ones, so that an expression means
// the same double on every platform; sqrt and abs are exact everywhere.

#include "expression.h"
#include "portable_math.h"

#include <cmath>
#include <numbers>

namespace {
double apply_one(expression_op op, double a)
{
    switch (op) {
    case expression_op::negate:
        return -a;
    case expression_op::sin:
        return portable_sin(a);
    case expression_op::cos:
        return portable_cos(a);
    case expression_op::tan:
        return portable_tan(a);
    case expression_op::asin:
        return portable_asin(a);
    case expression_op::acos:
        return portable_acos(a);
    case expression_op::atan:
        return portable_atan(a);
    case expression_op::exp:
        return portable_exp(a);
    case expression_op::log:
        return portable_log(a);
    case expression_op::sqrt:
        return std::sqrt(a);
    case expression_op::abs:
        return std::fabs(a);
    default:
        return normalised_sinc(a);
    }
}

double apply_two(expression_op op, double a, double b)
{
    switch (op) {
    case expression_op::add:
        return a + b;
    case expression_op::subtract:
        return a - b;
    case expression_op::multiply:
        return a * b;
    case expression_op::divide:
        return a / b;
    case expression_op::power:
        return portable_pow(a, b);
    case expression_op::min:
        return b < a ? b : a;
    default:
        return b > a ? b : a;
    }
}
} // namespace

double evaluate(const expression& e, double x, double* stack)
{
    std::size_t held = 0;
    for (const expression_step& step : e.steps) {
        if (step.op == expression_op::number)
            stack[held++] = step.value;
        else if (step.op == expression_op::x)
            stack[held++] = x;
        else if ((step.op >= expression_op::add && step.op <= expression_op::power) ||
                 step.op == expression_op::min || step.op == expression_op::max) {
            --held;
            stack[held - 1] = apply_two(step.op, stack[held - 1], stack[held]);
        } else
            stack[held - 1] = apply_one(step.op, stack[held - 1]);
    }
    return held > 0 ? stack[0] : 0.0;
}

double normalised_sinc(double t)
{
    if (t == 0.0)
        return 1.0;
    const double u = t * std::numbers::pi;
    return portable_sin(u) / u;
}
