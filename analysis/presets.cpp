#include "presets.h"

#include "expression.h"
#include "objective.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
constexpr float program_target = 1.5f;
constexpr float default_lower = -2.0f;
constexpr float default_upper = 2.0f;
constexpr double target_share = 0.01; // of the range, below the top

double program_f(float x, void* /*context*/)
{
    return objective(x);
}

// An expression and room for its evaluation.
struct typed_function {
    const expression* e;
    std::vector<double> stack;
};

double typed_f(float x, void* context)
{
    auto& f = *static_cast<typed_function*>(context);
    return evaluate(*f.e, x, f.stack.data());
}

// Reads one end of an interval as the tools read a float: decimal only.
bool read_end(const std::string& text, float* value)
{
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string::npos)
        return false;
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size())
        return false;
    *value = std::strtof(text.c_str(), nullptr);
    return true;
}

// The first grid point where f is not finite, or -1.
std::int32_t first_not_finite(const landscape& land)
{
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k)
        if (!std::isfinite(land.objective[static_cast<std::size_t>(k)]))
            return k;
    return -1;
}

landscape_refusal built()
{
    return {nullptr, ""};
}

landscape_refusal build_typed(const landscape_request& request, const grid& g, landscape* out)
{
    expression e;
    std::string error = parse_expression(request.function, &e);
    if (!error.empty())
        return {"function", error};
    typed_function f{&e, std::vector<double>(std::max<std::size_t>(e.stack_size, 1))};
    *out = landscape_of(g, typed_f, &f, 0.0f);
    const std::int32_t bad = first_not_finite(*out);
    if (bad >= 0) {
        char x[32];
        std::snprintf(x, sizeof x, "%.9g", static_cast<double>(grid_x(*out, bad)));
        return {"function", std::string("not finite at x = ") + x + ", the first such grid point"};
    }
    out->target = request.has_target ? request.target : default_target(*out);
    return built();
}

landscape_refusal build_preset(const landscape_request& request, landscape* out)
{
    for (std::size_t i = 0; i < landscape_preset_count; ++i) {
        const landscape_preset& p = landscape_presets[i];
        if (std::string(request.preset) != p.name)
            continue;
        if (i == 0)
            *out = program_landscape();
        else
            build_typed({nullptr, p.function, nullptr, true, p.target}, grid_on(p.lower, p.upper),
                        out);
        if (request.has_target)
            out->target = request.target;
        return built();
    }
    std::string names = landscape_presets[0].name;
    for (std::size_t i = 1; i < landscape_preset_count; ++i)
        names += (i + 1 == landscape_preset_count ? " or " : ", ") +
                 std::string(landscape_presets[i].name);
    return {"landscape", "must be " + names + ", not " + request.preset};
}
} // namespace

landscape program_landscape()
{
    return landscape_of(grid_on(default_lower, default_upper), program_f, nullptr, program_target);
}

std::string parse_interval(const std::string& text, float* lower, float* upper)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos || !read_end(text.substr(0, comma), lower) ||
        !read_end(text.substr(comma + 1), upper))
        return "must be two numbers A,B, not " + text;
    if (!std::isfinite(*lower) || !std::isfinite(*upper))
        return "must lie within a float's range, not " + text;
    if (!(*lower < *upper))
        return "must have A below B, not " + text;
    return "";
}

float default_target(const landscape& land)
{
    float lowest = land.highest;
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k)
        lowest = std::min(lowest, grid_objective(land, k));
    const double range = static_cast<double>(land.highest) - lowest;
    const double drop = range * target_share;
    return static_cast<float>(land.highest - drop);
}

landscape_refusal build_landscape(const landscape_request& request, landscape* out)
{
    if (request.preset != nullptr)
        return build_preset(request, out);
    grid g = grid_on(default_lower, default_upper);
    if (request.interval != nullptr) {
        const std::string error = parse_interval(request.interval, &g.lower, &g.upper);
        if (!error.empty())
            return {"interval", error};
    }
    if (request.function != nullptr)
        return build_typed(request, g, out);
    if (request.interval == nullptr) {
        *out = program_landscape();
    } else {
        *out = landscape_of(g, program_f, nullptr, 0.0f);
        out->target = default_target(*out);
    }
    if (request.has_target)
        out->target = request.target;
    return built();
}

const landscape_preset landscape_presets[] = {
    {"program", "0.4 + sinc(4*x) + 1.1*sinc(4*x+2) + 0.8*sinc(6*x-2) + 0.7*sinc(6*x-4)",
     default_lower, default_upper, program_target, "the program's own: sampling beats annealing"},
    {"funnel", "-40*abs(x - 0.3) + 10*cos(20*pi*(x - 0.3))", default_lower, default_upper, 9.99f,
     "ripples on a funnel: annealing beats both"},
    {"decoy", "10*exp(-x^2) + 12*exp(-((x - 1.7)/0.002)^2)", default_lower, default_upper, 10.5f,
     "a hill hides a higher spike: annealing misled"},
    {"ramp", "x", default_lower, default_upper, 1.999f, "f rises all the way: a climber is enough"},
};
const std::size_t landscape_preset_count = std::size(landscape_presets);
