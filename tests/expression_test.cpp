// The expressions a student types: the same double as muparser at every grid
// point over many generated expressions, the precedence of mathematics, and
// each refusal with its place.

#include "expression.h"
#include "landscape.h"
#include "portable_math.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

#ifdef SINC_ANNEAL_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {
double value_of(const std::string& text, double x)
{
    expression e;
    EXPECT_EQ(parse_expression(text, &e), "") << text;
    std::vector<double> stack(e.stack_size + 1);
    return evaluate(e, x, stack.data());
}

// Text that both parsers read alike: a sign only at the head of a sum (so
// never two in a row, which muparser refuses), any other operator between
// operands, every name both know.
struct generator {
    std::mt19937 random;
    bool power_as_call = false; // a^b written pow(a, b), muparser's own ^ being the C library's

    std::size_t pick(std::size_t n)
    {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    }

    // Appends to text (not prepends, which GCC 12 warns about wrongly).
    static std::string call(std::string text, const std::string& first, const std::string& second)
    {
        text += "(";
        text += first;
        if (!second.empty())
            text.append(", ").append(second);
        return text.append(")");
    }

    std::string atom(int depth)
    {
        static const char* const leaves[] = {"x",   "x",    "pi",   "e",   "2",
                                             "0.5", "3.25", "1e-1", ".75", "7."};
        static const char* const calls[] = {"sin", "cos", "tan",  "asin", "acos", "atan",
                                            "exp", "log", "sqrt", "abs",  "sinc"};
        const std::size_t choice = depth > 0 ? pick(4) : 0;
        if (choice == 0)
            return leaves[pick(std::size(leaves))];
        if (choice == 1)
            return call(calls[pick(std::size(calls))], sum(depth - 1), "");
        if (choice == 2)
            return call(pick(2) == 0 ? "min" : "max", sum(depth - 1), sum(depth - 1));
        return call("", sum(depth - 1), "");
    }

    std::string power(int depth)
    {
        std::string text = atom(depth);
        if (pick(6) != 0)
            return text;
        const std::string exponent = atom(depth);
        return power_as_call ? call("pow", text, exponent) : text.append("^").append(exponent);
    }

    std::string sum(int depth)
    {
        std::string text = pick(5) == 0 ? "-" : "";
        for (std::size_t term = 0, terms = 1 + pick(3); term < terms; ++term) {
            if (term > 0)
                text += pick(2) == 0 ? " + " : " - ";
            text += power(depth);
            for (std::size_t factor = pick(3); factor > 0; --factor)
                text.append(pick(2) == 0 ? "*" : "/").append(power(depth));
        }
        return text;
    }
};
} // namespace

// Both parsers give the same double, to the bit, at every point of the
// grid on [-2, 2], or both give something not finite, muparser given the
// same elementary functions.
TEST(expression, gives_muparsers_double_at_every_grid_point)
{
#ifndef SINC_ANNEAL_HAVE_MUPARSER
    GTEST_SKIP() << "muparser not found (Debian: libmuparser-dev)";
#else
    constexpr int expressions = 100;
    const grid g = grid_on(-2.0f, 2.0f);
    std::vector<double> xs(static_cast<std::size_t>(g.full_scale) + 1);
    for (std::size_t k = 0; k < xs.size(); ++k)
        xs[k] = static_cast<float>(decode_integer(static_cast<std::int32_t>(k), g));
    mu::Parser reference;
    reference.EnableOptimizer(false); // it would fold constants in its own order
    reference.DefineVar("x", xs.data());
    reference.DefineConst("pi", std::numbers::pi);
    reference.DefineConst("e", std::numbers::e);
    reference.DefineFun("sinc", normalised_sinc);
    const std::pair<const char*, double (*)(double)> same_functions[] = {
        {"sin", portable_sin},   {"cos", portable_cos},   {"tan", portable_tan},
        {"asin", portable_asin}, {"acos", portable_acos}, {"atan", portable_atan},
        {"exp", portable_exp},   {"log", portable_log}};
    for (const auto& [name, function] : same_functions)
        reference.DefineFun(name, function);
    reference.DefineFun("pow", portable_pow);
    std::vector<double> expected(xs.size());
    generator make{std::mt19937(29)};
    for (int i = 0; i < expressions; ++i) {
        generator before = make;
        std::string text = make.sum(2);
        while (text.size() > most_expression_length / 4) { // long ones take long
            before = make;
            text = make.sum(2);
        }
        before.power_as_call = true;
        expression e;
        ASSERT_EQ(parse_expression(text, &e), "") << text;
        std::vector<double> stack(e.stack_size);
        reference.SetExpr(before.sum(2));
        reference.Eval(expected.data(), static_cast<int>(xs.size()));
        for (std::size_t k = 0; k < xs.size(); ++k) {
            const double got = evaluate(e, xs[k], stack.data());
            if (std::isfinite(got) || std::isfinite(expected[k])) {
                ASSERT_EQ(std::bit_cast<std::uint64_t>(got),
                          std::bit_cast<std::uint64_t>(expected[k]))
                    << text << " at x = " << xs[k];
            }
        }
    }
#endif
}

// ^ binds tighter than a sign and groups to the right; the rest from the
// left; blanks anywhere between tokens.
TEST(expression, follows_the_precedence_of_mathematics)
{
    const std::pair<const char*, double> cases[] = {
        {"-x^2", -9},     {"2^3^2", 512},      {"2^-1", 0.5},
        {"-2^-2", -0.25}, {"1 - 2 - 3", -4},   {"8/2/2", 2},
        {"2*3^2", 18},    {"(1+2)*x", 9},      {"-x + 1", -2},
        {"+x", 3},        {"sinc(0)", 1},      {"sinc(x)", 0},
        {"min(x, 2)", 2}, {"max(-x, x^2)", 9}, {"abs(-x)", 3},
        {"sqrt(x*3)", 3}, {"log(e^x)", 3},     {"1e1 + .5 + 2.", 12.5},
        {" x\t*  2 ", 6}};
    for (const auto& [text, value] : cases)
        EXPECT_NEAR(value_of(text, 3), value, 1e-15) << text;
}

// Each refusal in its words, at its place; the bounds keep any text cheap.
TEST(expression, refuses_each_kind_of_error_at_its_place)
{
    const std::pair<std::string, const char*> cases[] = {
        {"", "empty expression"},
        {"  ", "empty expression"},
        {"foo(x)", "unknown name \"foo\" at character 1"},
        {"2*y", "unknown name \"y\" at character 3"},
        {"x2", "unknown name \"x2\" at character 1"},
        {"x^", "syntax error at character 3: expected a number, a name or \"(\""},
        {"sin(x", "syntax error at character 6: expected \")\": it takes one argument"},
        {"min(x)", "syntax error at character 6: expected \",\": it takes two arguments"},
        {"sin x", "syntax error at character 5: expected \"(\" after a function's name"},
        {"(x", "syntax error at character 3: expected \")\""},
        {"x)", "syntax error at character 2: unexpected \")\""},
        {"2 x", "syntax error at character 3: unexpected \"x\""},
        {"2e", "syntax error at character 2: unexpected \"e\""},
        {std::string("x\0", 2), "syntax error at character 2: unexpected character 0"},
        {"x\n", "syntax error at character 2: unexpected character 10"},
        {".", "syntax error at character 1: expected a digit"},
        {"1e999", "number too large at character 1"},
        {std::string(41, '(') + "x" + std::string(41, ')'),
         "nested deeper than 40 at character 41"},
        {std::string(50, '-') + "x", "nested deeper than 40 at character 41"},
        {[] {
             std::string t = "2";
             for (int i = 0; i < 50; ++i)
                 t += "^2";
             return t;
         }(),
         "nested deeper than 40 at character 82"},
        {std::string(1001, ' '), "longer than 1000 characters"}};
    for (const auto& [text, message] : cases) {
        expression e{{{expression_op::x, 0}}, 1};
        EXPECT_EQ(parse_expression(text, &e), message) << text;
        EXPECT_TRUE(e.steps.empty()) << text;
    }
}
