#pragma once
// What the tests share: the facts of the program's problem, stated once,
// and helpers to capture printing and to run the built programs.

#include "landscape.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

inline constexpr std::int32_t bit_count = 17;
inline constexpr std::int32_t full_scale = 131071;
inline constexpr float lower_bound = -2.0f;
inline constexpr float upper_bound = 2.0f;
// The grid's best point of the program's function: bits 01011111100010101.
inline constexpr std::int32_t program_best_point = 48917;
inline const std::string program = "'" SINC_ANNEAL_PROGRAM "'"; // as a shell word
inline const std::string tools = TOOLS;

std::string file_contents(const std::string& path);

// The program's function on its grid, worked out once.
const landscape& program_land();

// Everything write(stream) writes to a stream.
template <typename Write>
std::string captured(Write write)
{
    char* text = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&text, &size);
    write(stream);
    std::fclose(stream);
    std::string result(text, size);
    std::free(text);
    return result;
}

struct program_run {
    std::string output;  // standard output, up to the limit
    std::string errors;  // standard error
    int status;          // exit status
    std::string stopped; // why the run was stopped, "" when it ended by itself
};

// Runs command, a shell command line, in an empty folder with input as its
// standard input. Stops it past 1 MiB of output or after 20 s.
program_run run_command(const std::string& command, const std::string& input);

// A search's report. Its groups: the current objective and x at the start,
// the best x, the best objective, the solutions examined.
extern const std::regex search_report;
