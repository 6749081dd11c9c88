// The page's landscapes: built from a request once, described to the page
// with everything its plots and tables need, and rebuilt from that
// description in a job.

#include "page_landscape.h"

#include "columns.h"
#include "exact.h"
#include "rows.h"

#include <algorithm>
#include <cmath>
#include <emscripten/bind.h>
#include <string>
#include <vector>

using emscripten::val;

namespace {
// Reads the text field name of request into *text. Returns false, leaving
// *text alone, when it is missing (not a string).
bool text_of(const val& request, const char* name, std::string* text)
{
    const val field = request[name];
    if (!field.isString())
        return false;
    *text = field.as<std::string>();
    return true;
}

// x and f of every grid point, narrowed to float as a search stores them,
// and x at the middle of every bar of the exact map.
void describe_points(const landscape& land, val& description)
{
    std::vector<float> xs;
    std::vector<float> fs;
    for (std::int32_t k = 0; k <= land.g.full_scale; ++k) {
        xs.push_back(grid_x(land, k));
        fs.push_back(grid_objective(land, k));
    }
    std::vector<double> bars;
    for (std::int32_t bar = 0; bar < grid_points / map_bar_points; ++bar)
        bars.push_back(bar_middle_x(land, bar));
    description.set("x", typed_copy(xs));
    description.set("f", typed_copy(fs));
    description.set("barX", typed_copy(bars));
}

// Returns {refusal: {field, message}} when request is refused, or the
// landscape's description: {lower, upper, target, highest, objective (f
// not narrowed, a Float64Array by grid point), x, f (Float32Arrays), barX,
// headers: {study, exact}}.
val describe_landscape(const val& request)
{
    landscape land;
    const landscape_refusal refusal = landscape_of_request(request, &land);
    val description = val::object();
    if (refusal.field != nullptr) {
        val why = val::object();
        why.set("field", val(refusal.field));
        why.set("message", val(refusal.message));
        description.set("refusal", why);
        return description;
    }
    description.set("lower", land.g.lower);
    description.set("upper", land.g.upper);
    description.set("target", land.target);
    description.set("highest", land.highest);
    description.set("objective", typed_copy(land.objective));
    describe_points(land, description);
    val headers = val::object();
    headers.set("study", val(study_header(land)));
    headers.set("exact", val(exact_header(land)));
    description.set("headers", headers);
    return description;
}
} // namespace

landscape_refusal landscape_of_request(const val& request, landscape* out)
{
    std::string preset;
    std::string function;
    std::string interval;
    const bool named = text_of(request, "preset", &preset);
    const bool typed = text_of(request, "function", &function);
    const bool spanned = text_of(request, "interval", &interval);
    const val target = request["target"];
    const bool has_target = target.isNumber();
    return build_landscape({named ? preset.c_str() : nullptr, typed ? function.c_str() : nullptr,
                            spanned ? interval.c_str() : nullptr, has_target,
                            has_target ? static_cast<float>(target.as<double>()) : 0.0f},
                           out);
}

bool landscape_of_description(const val& description, landscape* out)
{
    if (!description["objective"].instanceof (val::global("Float64Array")))
        return false;
    std::vector<double> objective =
        emscripten::convertJSArrayToNumberVector<double>(description["objective"]);
    const auto lower = static_cast<float>(description["lower"].as<double>());
    const auto upper = static_cast<float>(description["upper"].as<double>());
    if (objective.size() != static_cast<std::size_t>(grid_points) || !(lower < upper))
        return false;
    *out = {grid_on(lower, upper), std::move(objective),
            static_cast<float>(description["target"].as<double>()), 0};
    out->highest = grid_objective(*out, 0);
    for (std::int32_t k = 1; k <= out->g.full_scale; ++k)
        out->highest = std::max(out->highest, grid_objective(*out, k));
    return true;
}

EMSCRIPTEN_BINDINGS(page_landscape)
{
    emscripten::function("describeLandscape", &describe_landscape);
}
