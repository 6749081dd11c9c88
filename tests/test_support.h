#pragma once
// Small helpers shared by the unit tests.

#include "landscape.h" // grid_x

#include <cstdint>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

// The program's fixed problem.
inline constexpr float lower_bound = -2.0f;
inline constexpr float upper_bound = 2.0f;
inline constexpr std::int32_t bit_count = 17;
inline constexpr std::int32_t full_scale = 131071;

// The 17 bits of grid point k, most significant first.
std::vector<std::int32_t> bits_of(std::int32_t k);

// Everything written to a stream by write(stream), as a string.
template <typename Write>
std::string captured(Write write)
{
    std::FILE* stream = std::tmpfile();
    write(stream);
    std::string text(static_cast<std::size_t>(std::ftell(stream)), '\0');
    std::rewind(stream);
    const std::size_t got = std::fread(text.data(), 1, text.size(), stream);
    text.resize(got);
    std::fclose(stream);
    return text;
}

// printf-style formatting into a string.
std::string formatted(const char* format, double value);

// The fields of one printed search, as printed.
struct search_report {
    std::string start_objective; // "fo corrente"
    std::string start_x;         // printed after the label "valor de fo"
    std::string best_x;
    std::string best_objective;
    std::string examined;
};

// One printed search, from its starting line to its closing asterisks; the
// groups are the fields of search_report, in order.
extern const std::regex search_report_pattern;

// Every search report in text, in order.
std::vector<search_report> search_reports(const std::string& text);
