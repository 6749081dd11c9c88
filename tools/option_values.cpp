#include "option_values.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
// What a value that is an option name or nothing at all means: the value
// was left out.
bool missing(const std::string& text)
{
    return text.empty() || text.starts_with("--");
}
} // namespace

std::string shown(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

CLI::Validator whole_number(std::int64_t low, std::int64_t high)
{
    const auto check = [low, high](std::string& text) -> std::string {
        if (missing(text))
            return "needs a value";
        std::int64_t value = 0;
        const char* last = text.data() + text.size();
        const auto [end, error] = std::from_chars(text.data(), last, value);
        if (end != last || (error != std::errc{} && error != std::errc::result_out_of_range))
            return "must be a whole number, not " + text;
        if (error != std::errc{} || value < low || value > high)
            return "must be from " + std::to_string(low) + " to " + std::to_string(high) +
                   ", not " + text;
        text = std::to_string(value);
        return "";
    };
    return {check, "", "whole number"};
}

CLI::Validator float_number(double low, double high)
{
    const auto check = [low, high](const std::string& text) -> std::string {
        if (missing(text))
            return "needs a value";
        char* end = nullptr;
        const float number = std::strtof(text.c_str(), &end);
        if (text.find_first_not_of("0123456789.eE+-") != std::string::npos ||
            end != text.c_str() + text.size())
            return "must be a number, not " + text;
        if (!std::isfinite(number))
            return "must lie within a float's range, " + shown(-FLT_MAX) + " to " + shown(FLT_MAX) +
                   ", not " + text;
        if (number > low && number < high)
            return "";
        const double written = std::strtod(text.c_str(), nullptr);
        const bool rounded = written > low && written < high;
        return "must lie above " + shown(low) + " and below " + shown(high) + ", not " + text +
               (rounded ? " (it rounds to the float " + shown(number) + ")" : "");
    };
    return {check, "", "number"};
}

CLI::Validator one_of(const std::vector<std::string>& names)
{
    const auto check = [names](const std::string& text) -> std::string {
        if (missing(text))
            return "needs a value";
        if (std::find(names.begin(), names.end(), text) != names.end())
            return "";
        std::string list = names.front();
        for (std::size_t i = 1; i < names.size(); ++i)
            list += (i + 1 == names.size() ? " or " : ", ") + names[i];
        return "must be " + list + ", not " + text;
    };
    return {check, "", "name"};
}

// The library's errors about one option read "NAME: what", for a value that
// a validator refused or a value missing after the last option, or "NAME
// was given a disallowed flag override", for a value given to a flag.
std::string message_of(const CLI::ParseError& error)
{
    std::string text = error.what();
    if (error.get_name() == "ArgumentMismatch" && text.ends_with(" flag override")) {
        std::string flag = text.substr(0, text.find(' ')); // "NAME was given ..."
        flag.erase(0, flag.find_first_not_of('-'));
        return "--" + flag + " takes no value";
    }
    const std::size_t colon = text.find(": ");
    if (colon == std::string::npos || !text.starts_with("--"))
        return text;
    const std::string name = text.substr(0, colon);
    if (error.get_name() == "ArgumentMismatch")
        return name + " needs a value";
    return name + " " + text.substr(colon + 2);
}
