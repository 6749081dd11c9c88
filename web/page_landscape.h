#pragma once
// The landscape a panel works on, as the page names it: asked for as
// {preset, function, interval, target} (each may be missing), and handed
// to the page, and from there to a job, as a description whose table of f
// the landscape is rebuilt from without evaluating f again.

#include "landscape.h"
#include "presets.h"

#include <emscripten/val.h>

// Builds into *out the landscape that request asks for: a preset by name
// (its function and interval then ignored), or a function (missing: the
// program's) on an interval (missing: -2,2); a target that is a number
// replaces the default. Returns build_landscape's refusal, field null when built.
landscape_refusal landscape_of_request(const emscripten::val& request, landscape* out);

// Rebuilds into *out the landscape that description (from describeLandscape)
// stands for. Returns false, leaving *out alone, when it is not one: no
// table of grid_points values, or an interval that is not one.
bool landscape_of_description(const emscripten::val& description, landscape* out);
