// libFuzzer target for the expression parser and the interval on arbitrary
// bytes. Any text either parses, into steps that evaluate within the stack
// they ask for, or is refused with one line; nothing crashes or runs long.

#include "expression.h"
#include "presets.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    expression e;
    const std::string error = parse_expression(text, &e);
    if (error.empty() == e.steps.empty() || error.find('\n') != std::string::npos ||
        e.stack_size > e.steps.size())
        std::abort();
    std::vector<double> stack(e.stack_size);
    for (const double x : {-2.0, -0.5, 0.0, 1e-30, 2.0})
        evaluate(e, x, stack.data());
    float lower = 0;
    float upper = 0;
    if (parse_interval(text, &lower, &upper).empty() && !(lower < upper))
        std::abort();
    return 0;
}
