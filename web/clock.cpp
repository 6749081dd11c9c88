// The program's clock on the page. The program seeds its draws from time();
// on the page time() answers Module.clock, the seconds since 1970 that the
// page hands each start of the program: the page's clock at the start of a
// session, or the one a test fixes. The program itself has no such seam.

#include <ctime>
#include <emscripten.h>

namespace {
EM_JS(double, page_clock, (), { return Module.clock; });
} // namespace

// Replaces the C library's time(), which the linker then leaves out.
extern "C" std::time_t time(std::time_t* now)
{
    const auto seconds = static_cast<std::time_t>(page_clock());
    if (now != nullptr)
        *now = seconds;
    return seconds;
}
