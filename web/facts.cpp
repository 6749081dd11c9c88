// What the page knows of the C++, through one typed boundary: the schedule
// as an object, the methods and codings by name, and the facts its forms,
// tables and texts are built from: the defaults, the limits, every table's
// header and the numbering of levels.

#include "coding.h"
#include "exact.h"
#include "levels.h"
#include "page_limits.h"
#include "presets.h"
#include "problem.h"
#include "rows.h"
#include "study.h"

#include <cstdio>
#include <emscripten/bind.h>
#include <iterator>
#include <limits>

using emscripten::val;

namespace {
constexpr double largest_float = std::numeric_limits<float>::max();
constexpr double largest_temperature = largest_float;

// A field's limit: from low to high, each bound in or out, whole or not.
val limit(double low, bool low_in, double high, bool high_in, bool whole)
{
    val shape = val::object();
    shape.set("low", low);
    shape.set("lowIn", low_in);
    shape.set("high", high);
    shape.set("highIn", high_in);
    shape.set("whole", whole);
    return shape;
}

val field_limits()
{
    val limits = val::object();
    limits.set("seed", limit(0, true, std::numeric_limits<std::uint32_t>::max(), true, true));
    limits.set("runs", limit(1, true, page_most_runs, true, true));
    limits.set("cooling", limit(0, false, 1, false, false));
    limits.set("initial", limit(0, true, largest_temperature, true, false));
    limits.set("final", limit(0, true, largest_temperature, true, false));
    limits.set("moves", limit(1, true, page_most_moves_per_level, true, true));
    return limits;
}

val field_defaults()
{
    val defaults = val::object();
    defaults.set("watchSeed", watched_seed);
    defaults.set("seed", 1);
    defaults.set("runs", 1000);
    defaults.set("plan", problem_schedule);
    return defaults;
}

val table_headers()
{
    val headers = val::object();
    headers.set("level", val(level_header)); // the others follow a landscape: see describeLandscape
    return headers;
}

val grid_facts()
{
    val grid = val::object();
    grid.set("bits", problem_grid.bits);
    grid.set("points", grid_points);
    grid.set("threshold", landscape_presets[0].target); // the program's, the default
    return grid;
}

// The presets, the program's first, each {name, function, interval "A,B",
// target, teaches}, and the limit of a target typed in.
val landscape_facts()
{
    val presets = val::array();
    for (std::size_t i = 0; i < landscape_preset_count; ++i) {
        const landscape_preset& p = landscape_presets[i];
        char interval[64];
        std::snprintf(interval, sizeof interval, "%g,%g", static_cast<double>(p.lower),
                      static_cast<double>(p.upper));
        val preset = val::object();
        preset.set("name", val(p.name));
        preset.set("function", val(p.function));
        preset.set("interval", val(std::string(interval)));
        preset.set("target", p.target);
        preset.set("teaches", val(p.teaches));
        presets.call<void>("push", preset);
    }
    val landscapes = val::object();
    landscapes.set("presets", presets);
    landscapes.set("target", limit(-largest_float, true, largest_float, true, false));
    return landscapes;
}

// Everything the page's forms, tables and texts are built from.
val page_facts()
{
    val facts = val::object();
    facts.set("defaults", field_defaults());
    facts.set("limits", field_limits());
    facts.set("headers", table_headers());
    facts.set("grid", grid_facts());
    facts.set("landscapes", landscape_facts());
    facts.set("mostExamined", static_cast<double>(most_examined));
    facts.set("mostWatched", static_cast<double>(most_watched));
    facts.set("mostExact", static_cast<double>(most_exact_moves));
    val methods = val::array();
    val moving = val::array(); // the methods that move, which can be watched or worked out exactly
    for (std::size_t i = 0; i < std::size(method_names); ++i) {
        methods.call<void>("push", val(method_names[i]));
        if (static_cast<study_method>(i) != study_method::sample)
            moving.call<void>("push", val(method_names[i]));
    }
    facts.set("methods", methods);
    facts.set("movingMethods", moving);
    val codings = val::array();
    for (const char* name : coding_names)
        codings.call<void>("push", val(name));
    facts.set("codings", codings);
    val shapes = val::array();
    for (const char* name : shape_names)
        shapes.call<void>("push", val(name));
    facts.set("shapes", shapes);
    // L of a shaped schedule; a blank field takes the geometric schedule's count
    facts.set("levelLimit", limit(2, true, static_cast<double>(most_examined), true, true));
    return facts;
}

// The solutions one run of plan examines: 0 when it runs no level, -1 when
// it never ends or examines over most_examined.
double examined_by_schedule(const schedule& plan)
{
    return static_cast<double>(examined_per_run(plan));
}

// Returns plan with shape and levels (0: as many as the geometric schedule
// runs between plan's ends), as the tools make it of --schedule and --levels.
schedule shaped_plan(const schedule& plan, cooling_shape shape, std::int32_t levels)
{
    return shaped_schedule(plan, shape, levels);
}

double level_of(double made, std::int32_t moves_per_level)
{
    return static_cast<double>(level_of_moves(static_cast<std::int64_t>(made), moves_per_level));
}
} // namespace

EMSCRIPTEN_BINDINGS(facts)
{
    emscripten::value_object<schedule>("Schedule")
        .field("cooling", &schedule::cooling)
        .field("initial", &schedule::initial_temperature)
        .field("final", &schedule::final_temperature)
        .field("moves", &schedule::moves_per_level)
        .field("shape", &schedule::shape)
        .field("levels", &schedule::levels);
    emscripten::enum_<cooling_shape>("Shape")
        .value("geometric", cooling_shape::geometric)
        .value("linear", cooling_shape::linear)
        .value("logarithmic", cooling_shape::logarithmic)
        .value("fast", cooling_shape::fast);
    emscripten::enum_<study_method>("Method")
        .value("anneal", study_method::anneal)
        .value("climb", study_method::climb)
        .value("sample", study_method::sample);
    emscripten::enum_<coding>("Coding").value("binary", coding::binary).value("gray", coding::gray);
    emscripten::function("pageFacts", &page_facts);
    emscripten::function("examinedBySchedule", &examined_by_schedule);
    emscripten::function("levelOfMoves", &level_of);
    emscripten::function("shapedSchedule", &shaped_plan);
}
