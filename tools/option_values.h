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
