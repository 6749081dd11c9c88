// Evaluating an expression: its postfix steps on a stack, in double, each
// function the standard library's own.

#include "expression.h"

#include <cmath>
#include <numbers>

namespace {
double apply_one(expression_op op, double a)
{
    switch (op) {
    case expression_op::negate:
        return -a;
    case expression_op::sin:
        return std::sin(a);
    case expression_op::cos:
        return std::cos(a);
    case expression_op::tan:
        return std::tan(a);
    case expression_op::asin:
        return std::asin(a);
    case expression_op::acos:
        return std::acos(a);
    case expression_op::atan:
        return std::atan(a);
    case expression_op::exp:
        return std::exp(a);
    case expression_op::log:
        return std::log(a);
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
        return std::pow(a, b);
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
    return std::sin(u) / u;
}
