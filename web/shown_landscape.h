#pragma once
// The landscape the page's panels work on: the program's function, built
// once (131072 evaluations) and kept for every later call.

#include "presets.h"

// Returns the program's landscape, the same object on every call.
inline const landscape& shown_landscape()
{
    static const landscape land = program_landscape();
    return land;
}
