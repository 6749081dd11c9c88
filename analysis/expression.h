#pragma once
// A function of x as a student types it, for the tools and the page alike:
// numbers, x, pi and e; + - * / and ^, where ^ binds tighter than a unary
// minus and groups to the right (-x^2 is -(x^2), 2^3^2 is 2^9); parentheses;
// and the functions sin cos tan asin acos atan exp log sqrt abs sinc (one
// argument) and min max (two). log is the natural logarithm; sinc is the
// normalised sin(pi t) / (pi t), 1 at 0. Parsing never throws, and any text
// ends in an expression or in one line that says what is wrong where.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The longest text read, and the deepest nesting of parentheses, signs,
// powers and calls: bounds that keep any text quick to parse and evaluate.
inline constexpr std::size_t most_expression_length = 1000;
inline constexpr std::int32_t most_expression_depth = 40;

// One step of an expression in postfix order.
enum class expression_op : std::uint8_t {
    number, // pushes value
    x,
    negate,
    add,
    subtract,
    multiply,
    divide,
    power,
    sin,
    cos,
    tan,
    asin,
    acos,
    atan,
    exp,
    log,
    sqrt,
    abs,
    sinc,
    min,
    max,
};

struct expression_step {
    expression_op op;
    double value; // for number only
};

// An expression ready to evaluate: its steps in postfix order, and the most
// values they hold at once.
struct expression {
    std::vector<expression_step> steps;
    std::size_t stack_size;
};

// The functions an expression may call, as --help lists them.
inline constexpr char expression_functions[] =
    "sin cos tan asin acos atan exp log sqrt abs sinc min max";

// Parses text into *out. Returns "" on success; otherwise one line without a
// newline, and *out is left empty: "empty expression", "unknown name "foo"
// at character 3", "syntax error at character 5: expected ")"", "number too
// large at character 1", "nested deeper than 40 at character 41", "longer
// than 1000 characters". Characters count from 1.
std::string parse_expression(const std::string& text, expression* out);

// Returns e at x, in double. stack must hold e.stack_size values (or more);
// its contents are scratch. An expression with no steps gives 0.
double evaluate(const expression& e, double x, double* stack);

// Returns sin(pi t) / (pi t) in double, exactly 1 at t == 0.
double normalised_sinc(double t);
