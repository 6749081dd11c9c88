#pragma once
// The landscapes the tools and the page offer: the program's function, the
// default, computed by the program's own code; a few more, each stated by
// its expression and chosen for what it teaches; or any expression on any
// interval. Building one never throws: a request that cannot be met comes
// back as one line that says which field is wrong and why.

#include "landscape.h"

#include <string>

// A landscape known by name.
struct landscape_preset {
    const char* name;
    const char* function; // as an expression in x (the program's is computed by its own code)
    float lower;
    float upper;
    float target;
    const char* teaches; // one line for --help
};

// The presets, the program's function first.
extern const landscape_preset landscape_presets[];
extern const std::size_t landscape_preset_count;

// What is asked for. Null function and preset: the program's function.
// Null interval: -2,2. has_target false: the preset's target, or for a typed
// function default_target gives it.
struct landscape_request {
    const char* preset;   // a name from landscape_presets, or null
    const char* function; // an expression in x, or null
    const char* interval; // "A,B", or null
    bool has_target;
    float target;
};

// Why a request was refused: the field ("function", "interval" or
// "landscape") and one line without a newline.
struct landscape_refusal {
    const char* field;
    std::string message;
};

// Returns the program's function on its grid, by its own code, target 1.5.
landscape program_landscape();

// Reads "A,B" into *lower and *upper, each read as a float. Returns "" or
// what is wrong: not two numbers, not finite as a float, or A not below B.
std::string parse_interval(const std::string& text, float* lower, float* upper);

// Returns the default target of a typed function: 1% of its range on the
// grid below its highest stored value, narrowed to float.
float default_target(const landscape& land);

// Builds the landscape of request into *out. Returns a refusal whose field
// is null when it was built. A function must be finite at every grid point:
// the refusal names the first x (from lower to upper) where it is not.
landscape_refusal build_landscape(const landscape_request& request, landscape* out);
