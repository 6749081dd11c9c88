#include "menu.h"

#include <algorithm>
#include <limits>

namespace {
constexpr std::int32_t first_choice = 0;
constexpr std::int32_t last_choice = 2;
constexpr std::int64_t magnitude_cap = std::int64_t{1} << 31; // beyond either 32-bit limit
constexpr std::int64_t decimal_base = 10;

// The white space of "%d" in the C locale.
bool is_space(int c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(int c)
{
    return c >= '0' && c <= '9';
}

// Returns the first character that is not white space, or EOF.
int skip_space(std::FILE* in)
{
    int c = std::getc(in);
    while (is_space(c))
        c = std::getc(in);
    return c;
}

// Drops the rest of the line through its newline. False when input ends first.
bool drop_line(std::FILE* in)
{
    int c = std::getc(in);
    while (c != EOF && c != '\n')
        c = std::getc(in);
    return c != EOF;
}

// Reads the digits that start with c, clamped to 32 bits, and puts back the
// first character after them.
std::int32_t read_digits(std::FILE* in, int c, bool negative)
{
    std::int64_t magnitude = 0;
    for (; is_digit(c); c = std::getc(in))
        magnitude = std::min(magnitude * decimal_base + (c - '0'), magnitude_cap);
    if (c != EOF)
        std::ungetc(c, in);
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void print_menu()
{
    std::fputs("\n************************************************* \n", stdout);
    std::fputs("         1. Gere solucao inicial \n", stdout);
    std::fputs("         2. Simulated Annealing \n", stdout);
    std::fputs("         0. Sair \n", stdout);
    std::fputs("         Escolha: ", stdout);
    std::fflush(stdout); // the prompt has no newline, so show it before waiting
}
} // namespace

read_status read_number(std::FILE* in, std::int32_t* value)
{
    int c = skip_space(in);
    const bool negative = c == '-';
    if (c == '-' || c == '+')
        c = std::getc(in);
    if (is_digit(c)) {
        *value = read_digits(in, c, negative);
        return read_status::number;
    }
    if (c == EOF)
        return read_status::end_of_input;
    if (c == '\n') // a lone sign ending its line: the line is gone already
        return read_status::not_a_number;
    return drop_line(in) ? read_status::not_a_number : read_status::end_of_input;
}

std::int32_t read_menu_choice()
{
    for (;;) {
        print_menu();
        std::int32_t choice = 0;
        const read_status status = read_number(stdin, &choice);
        if (status == read_status::end_of_input)
            return 0;
        if (status == read_status::number && choice >= first_choice && choice <= last_choice)
            return choice;
    }
}
