#include "output.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

// The one question the tools ask of the platform.
#ifdef _WIN32
#include <io.h>
bool stderr_is_terminal()
{
    return _isatty(_fileno(stderr)) != 0;
}
#else
#include <unistd.h>
bool stderr_is_terminal()
{
    return isatty(STDERR_FILENO) == 1;
}
#endif

int finish_input(const char* program)
{
    if (std::ferror(stdin) == 0)
        return 0;
    std::fprintf(stderr, "%s: error reading standard input: %s\n", program, std::strerror(errno));
    return 1;
}

int finish_output(const char* program)
{
    errno = 0;
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return 0;
    // When the failed write came earlier, there is no reason left to show.
    if (errno != 0)
        std::fprintf(stderr, "%s: error writing standard output: %s\n", program,
                     std::strerror(errno));
    else
        std::fprintf(stderr, "%s: error writing standard output\n", program);
    return 1;
}
