#include "landscape_options.h"

#include "option_values.h"
#include "presets.h"

#include <cstdlib>
#include <limits>
#include <vector>

namespace {
// The presets, their functions and what each teaches, for the end of --help.
std::string preset_help()
{
    std::string help = "Landscapes (--landscape NAME):";
    for (std::size_t i = 0; i < landscape_preset_count; ++i) {
        const landscape_preset& p = landscape_presets[i];
        help += std::string("\n  ") + p.name + " on [" + shown(p.lower) + ", " + shown(p.upper) +
                "], target " + shown(p.target) + ": " + p.teaches + "\n    f(x) = " + p.function;
    }
    return help;
}
} // namespace

void add_landscape_options(CLI::App& app, landscape_text& text)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < landscape_preset_count; ++i)
        names.emplace_back(landscape_presets[i].name);
    app.add_option("--landscape", text.preset,
                   "a landscape by name, listed below (default:\nprogram, the program's function)")
        ->check(one_of(names))
        ->type_name("NAME");
    app.footer(preset_help());
    app.add_option("--function", text.function,
                   "instead: f as an expression in x, with\n"
                   "numbers, pi, e, + - * / ^ (-x^2 is -(x^2)),\n"
                   "( ) and sin cos tan asin acos atan exp log\n"
                   "sqrt abs sinc min max (sinc(t) is\n"
                   "sin(pi t)/(pi t)); refused where it is not\n"
                   "finite at a grid point")
        ->type_name("EXPR");
    app.add_option("--interval", text.interval,
                   "the interval the 17 bits cover, A < B, for\n"
                   "--function or the program's f (default: -2,2)")
        ->type_name("A,B");
    const double none = std::numeric_limits<double>::infinity();
    app.add_option_function<std::string>(
           "--target",
           [&text](const std::string& value) { text.target = std::strtof(value.c_str(), nullptr); },
           "\"reached above\" counts a best objective\n"
           "above F (default: 1.5 for the program's f,\n"
           "a preset's own, or for a typed function\n"
           "1% of its range on the grid below its top)")
        ->check(float_number(-none, none))
        ->type_name("F");
}

landscape landscape_or_exit(const CLI::App& app, const landscape_text& text)
{
    const char* tool = app.get_name().c_str();
    const bool preset = app.count("--landscape") > 0;
    for (const char* option : {"--function", "--interval"})
        if (preset && app.count(option) > 0)
            fail(tool, std::string("--landscape does not go with ") + option +
                           ": a landscape states its function and interval");
    const bool typed = app.count("--function") > 0;
    const landscape_request request{preset ? text.preset.c_str() : nullptr,
                                    typed ? text.function.c_str() : nullptr,
                                    app.count("--interval") > 0 ? text.interval.c_str() : nullptr,
                                    app.count("--target") > 0, static_cast<float>(text.target)};
    landscape land;
    const landscape_refusal refusal = build_landscape(request, &land);
    if (refusal.field != nullptr)
        fail(tool, std::string("--") + refusal.field + ": " + refusal.message);
    return land;
}
