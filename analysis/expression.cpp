#include "expression.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {
// A name and what it stands for: a constant, x, or a function of its arity.
struct known_name {
    const char* name;
    expression_op op;
    std::int32_t arity; // 0 for a value
    double value;
};

constexpr known_name names[] = {
    {"x", expression_op::x, 0, 0},
    {"pi", expression_op::number, 0, std::numbers::pi},
    {"e", expression_op::number, 0, std::numbers::e},
    {"sin", expression_op::sin, 1, 0},
    {"cos", expression_op::cos, 1, 0},
    {"tan", expression_op::tan, 1, 0},
    {"asin", expression_op::asin, 1, 0},
    {"acos", expression_op::acos, 1, 0},
    {"atan", expression_op::atan, 1, 0},
    {"exp", expression_op::exp, 1, 0},
    {"log", expression_op::log, 1, 0},
    {"sqrt", expression_op::sqrt, 1, 0},
    {"abs", expression_op::abs, 1, 0},
    {"sinc", expression_op::sinc, 1, 0},
    {"min", expression_op::min, 2, 0},
    {"max", expression_op::max, 2, 0},
};

// Where parsing is: the text, the next character, how deep, and the first
// error met (parsing stops there).
struct reader {
    const std::string& text;
    std::size_t at;
    std::int32_t depth;
    std::vector<expression_step> steps;
    std::string error;
};

bool fail(reader& r, std::size_t where, const std::string& what)
{
    r.error = what + " at character " + std::to_string(where + 1);
    return false;
}

bool syntax_error(reader& r, const std::string& what)
{
    r.error = "syntax error at character " + std::to_string(r.at + 1) + ": " + what;
    return false;
}

// What a character that cannot come next is, in one printable line.
std::string unexpected(char c)
{
    if (c < ' ' || c > '~')
        return "unexpected character " + std::to_string(static_cast<unsigned char>(c));
    std::string what = "unexpected \"";
    what.push_back(c);
    return what.append("\"");
}

bool expected(reader& r, const char* what)
{
    return syntax_error(r, std::string("expected ") + what);
}

char peek(reader& r)
{
    while (r.at < r.text.size() && (r.text[r.at] == ' ' || r.text[r.at] == '\t'))
        ++r.at;
    return r.at < r.text.size() ? r.text[r.at] : '\0';
}

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

bool is_letter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// The characters of digits from at on.
std::size_t digits_from(const std::string& text, std::size_t at)
{
    std::size_t end = at;
    while (end < text.size() && is_digit(text[end]))
        ++end;
    return end - at;
}

// Reads a number: digits with an optional fraction, or a fraction alone,
// then an optional exponent. Only such text reaches strtod, which reads it
// the same in any locale that keeps "." as the decimal point, as C's does.
bool read_number(reader& r)
{
    const std::size_t start = r.at;
    std::size_t end = start + digits_from(r.text, start);
    if (end < r.text.size() && r.text[end] == '.')
        end += 1 + digits_from(r.text, end + 1);
    if (end == start + 1 && r.text[start] == '.')
        return expected(r, "a digit");
    if (end < r.text.size() && (r.text[end] == 'e' || r.text[end] == 'E')) {
        std::size_t sign = end + 1;
        if (sign < r.text.size() && (r.text[sign] == '+' || r.text[sign] == '-'))
            ++sign;
        if (digits_from(r.text, sign) > 0) // else the e is a name of its own, refused later
            end = sign + digits_from(r.text, sign);
    }
    const double value = std::strtod(r.text.substr(start, end - start).c_str(), nullptr);
    if (!std::isfinite(value))
        return fail(r, start, "number too large");
    r.steps.push_back({expression_op::number, value});
    r.at = end;
    return true;
}

bool read_sum(reader& r);
bool read_signed(reader& r);

// Reads the arguments of a function, its name just read, then the call.
bool read_call(reader& r, const known_name& f)
{
    if (peek(r) != '(')
        return expected(r, "\"(\" after a function's name");
    ++r.at;
    for (std::int32_t i = 0; i < f.arity; ++i) {
        if (i > 0 && peek(r) != ',')
            return expected(r, f.arity == 2 ? "\",\": it takes two arguments" : "\",\"");
        if (i > 0)
            ++r.at;
        if (!read_sum(r))
            return false;
    }
    if (peek(r) != ')')
        return expected(r, f.arity == 1 ? "\")\": it takes one argument" : "\")\"");
    ++r.at;
    r.steps.push_back({f.op, 0});
    return true;
}

bool read_name(reader& r)
{
    const std::size_t start = r.at;
    while (r.at < r.text.size() && (is_letter(r.text[r.at]) || is_digit(r.text[r.at])))
        ++r.at;
    const std::string name = r.text.substr(start, r.at - start);
    for (const known_name& known : names)
        if (name == known.name) {
            if (known.arity > 0)
                return read_call(r, known);
            r.steps.push_back({known.op, known.value});
            return true;
        }
    return fail(r, start, "unknown name \"" + name + "\"");
}

// A number, a name, a call or an expression in parentheses.
bool read_atom(reader& r)
{
    const char c = peek(r);
    if (is_digit(c) || c == '.')
        return read_number(r);
    if (is_letter(c))
        return read_name(r);
    if (c != '(')
        return expected(r, "a number, a name or \"(\"");
    ++r.at;
    if (!read_sum(r))
        return false;
    if (peek(r) != ')')
        return expected(r, "\")\"");
    ++r.at;
    return true;
}

// Guards each level of nesting: parentheses, calls, signs and exponents,
// each just read; a refusal points at it.
bool deeper(reader& r)
{
    if (++r.depth <= most_expression_depth)
        return true;
    return fail(r, r.at - 1, "nested deeper than " + std::to_string(most_expression_depth));
}

// An atom, raised to a signed power when ^ follows: the exponent may carry
// a sign (2^-x) and be a power itself, which groups to the right.
bool read_power(reader& r)
{
    if (!read_atom(r))
        return false;
    if (peek(r) != '^')
        return true;
    ++r.at;
    if (!deeper(r) || !read_signed(r))
        return false;
    --r.depth;
    r.steps.push_back({expression_op::power, 0});
    return true;
}

// A power, or a sign before a signed power: -x^2 is -(x^2).
bool read_signed(reader& r)
{
    const char c = peek(r);
    if (c != '-' && c != '+')
        return read_power(r);
    ++r.at;
    if (!deeper(r) || !read_signed(r))
        return false;
    --r.depth;
    if (c == '-')
        r.steps.push_back({expression_op::negate, 0});
    return true;
}

// Signed powers joined by * and /, from the left.
bool read_product(reader& r)
{
    if (!read_signed(r))
        return false;
    for (char c = peek(r); c == '*' || c == '/'; c = peek(r)) {
        ++r.at;
        if (!read_signed(r))
            return false;
        r.steps.push_back({c == '*' ? expression_op::multiply : expression_op::divide, 0});
    }
    return true;
}

// Products joined by + and -, from the left.
bool read_sum(reader& r)
{
    if (!deeper(r) || !read_product(r))
        return false;
    for (char c = peek(r); c == '+' || c == '-'; c = peek(r)) {
        ++r.at;
        if (!read_product(r))
            return false;
        r.steps.push_back({c == '+' ? expression_op::add : expression_op::subtract, 0});
    }
    --r.depth;
    return true;
}

// How many values the steps hold at most at once.
std::size_t stack_needed(const std::vector<expression_step>& steps)
{
    std::size_t held = 0;
    std::size_t most = 0;
    for (const expression_step& step : steps) {
        const bool pushes = step.op == expression_op::number || step.op == expression_op::x;
        const bool binary = step.op >= expression_op::add && step.op <= expression_op::power;
        const bool two_arguments = step.op == expression_op::min || step.op == expression_op::max;
        held = pushes ? held + 1 : (binary || two_arguments ? held - 1 : held);
        most = std::max(most, held);
    }
    return most;
}

} // namespace

std::string parse_expression(const std::string& text, expression* out)
{
    *out = {};
    if (text.size() > most_expression_length)
        return "longer than " + std::to_string(most_expression_length) + " characters";
    reader r{text, 0, -1, {}, {}}; // the whole text is not nested
    if (peek(r) == '\0')
        return "empty expression";
    if (read_sum(r) && (peek(r), r.at < r.text.size()))
        syntax_error(r, unexpected(r.text[r.at]));
    if (!r.error.empty())
        return r.error;
    out->stack_size = stack_needed(r.steps);
    out->steps = std::move(r.steps);
    return "";
}
