#pragma once
// Numbers handed to the page as typed arrays of their own, copied out of
// the module's memory so that they outlive it and travel to another thread.

#include <emscripten/val.h>
#include <vector>

// Returns a JavaScript typed array holding a copy of values.
template <typename Number>
emscripten::val typed_copy(const std::vector<Number>& values)
{
    return emscripten::val(emscripten::typed_memory_view(values.size(), values.data()))
        .call<emscripten::val>("slice");
}
