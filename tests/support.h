#pragma once
// What the tests share: the facts of the program's problem, stated once,
// and helpers to capture printing and to run the built programs.

#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

inline constexpr std::int32_t bit_count = 17;
inline constexpr std::int32_t full_scale = 131071;
inline constexpr float lower_bound = -2.0f;
inline constexpr float upper_bound = 2.0f;
inline const std::string menu_text = "\n************************************************* \n"
                                     "         1. Gere solucao inicial \n"
                                     "         2. Simulated Annealing \n"
                                     "         0. Sair \n"
                                     "         Escolha: ";

// The 17 bits of grid point k, most significant first.
std::vector<std::int32_t> bits_of(std::int32_t k);

// The whole contents of a file.
std::string file_contents(const std::string& path);

// printf-style formatting of one value.
std::string formatted(const char* format, double value);

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
    std::string stopped; // why the run was stopped ("" when it ended by itself)
    int files_created;   // files left in its (empty) working folder
};

// Runs command (a shell command line) in an empty folder, with input as its
// standard input. Stops it past 1 MiB of output or after 20 s.
program_run run_command(const std::string& command, const std::string& input);

// run_command on the built sinc-anneal.
program_run run_program(const std::string& input);

// One search's report, from its first line to its closing asterisks.
extern const std::regex search_report;

// The fields of each search report in text, in order: the current objective
// and x at the start, the best x, the best objective, the solutions examined.
std::vector<std::vector<std::string>> search_reports(const std::string& text);
