#pragma once
// The values the tools' options take, checked with the tools' own words:
// validators for CLI11 whose messages read "must be ..., not VALUE" or
// "needs a value", and the one line that a parsing error prints.

#include <CLI/CLI.hpp>

#include <cstdint>
#include <string>
#include <vector>

// Returns value as the usage and the messages show it: 0.97, 100, 1e+06.
std::string shown(double value);

// A whole number in decimal from low to high, rewritten as plain digits for
// the library to read, so that neither "0x10" nor "010" reads in another base.
CLI::Validator whole_number(std::int64_t low, std::int64_t high);

// A decimal number whose float lies above low and below high, bounds
// excluded. "inf", "nan" and hexadecimal are not decimal numbers.
CLI::Validator float_number(double low, double high);

// One of names.
CLI::Validator one_of(const std::vector<std::string>& names);

// Returns what error means, for "tool: MESSAGE": "NAME needs a value",
// "NAME takes no value" (a flag), "NAME must be ..., not VALUE" from the
// validators above, or the library's own words for anything else.
std::string message_of(const CLI::ParseError& error);

// --- Parsing ----------------------------------------------------------------

// Prints "tool: MESSAGE" on standard error and exits with status 2.
[[noreturn]] void fail(const char* tool, const std::string& message);

// Sets app up as every tool's: --version, descriptions within 80 columns,
// and what is not understood or given twice left for parse_or_exit to name.
void set_up(CLI::App& app);

// Parses the command line into what app's options are bound to. --help and
// --version print and exit 0 (1 when output is lost); a bad argument, one
// not understood or one given twice prints one line and exits 2.
void parse_or_exit(CLI::App& app, int argc, char** argv);
