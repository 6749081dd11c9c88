#include "menu.h"

#include <cctype>
#include <charconv>
#include <limits>
#include <string>

namespace {
constexpr std::int32_t first_choice = 0;
constexpr std::int32_t last_choice = 2;
constexpr std::int32_t not_a_choice = last_choice + 1; // what a token that is no number counts as

// Returns the first character that is not white space, or EOF.
int skip_space(std::FILE* in)
{
    int c = std::getc(in);
    while (c != EOF && std::isspace(c) != 0)
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

// The value of an optional minus and digits, held to 32 bits.
std::int32_t clamped_value(const std::string& token)
{
    std::int32_t value = 0;
    const auto result = std::from_chars(token.data(), token.data() + token.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return token[0] == '-' ? std::numeric_limits<std::int32_t>::min()
                               : std::numeric_limits<std::int32_t>::max();
    return value;
}

// Reads one number into *choice as the header describes; a token that is
// not a number gives not_a_choice. Returns false when input ends first.
bool read_choice(std::FILE* in, std::int32_t* choice)
{
    int c = skip_space(in);
    std::string token = c == '-' ? "-" : "";
    if (c == '-' || c == '+')
        c = std::getc(in);
    if (std::isdigit(c) == 0) {
        *choice = not_a_choice;
        // A newline right after a lone sign has ended its line already.
        return c != EOF && (c == '\n' || drop_line(in));
    }
    for (; std::isdigit(c) != 0; c = std::getc(in))
        token += static_cast<char>(c);
    std::ungetc(c, in); // does nothing at EOF
    *choice = clamped_value(token);
    return true;
}

void print_menu(std::FILE* out)
{
    std::fputs("\n************************************************* \n", out);
    std::fputs("         1. Gere solucao inicial \n", out);
    std::fputs("         2. Simulated Annealing \n", out);
    std::fputs("         0. Sair \n", out);
    std::fputs("         Escolha: ", out);
    std::fflush(out); // the prompt has no newline, so show it before waiting
}
} // namespace

std::int32_t read_menu_choice_from(std::FILE* in, std::FILE* out)
{
    for (;;) {
        print_menu(out);
        std::int32_t choice = not_a_choice;
        if (!read_choice(in, &choice))
            return first_choice;
        if (choice >= first_choice && choice <= last_choice)
            return choice;
    }
}

std::int32_t read_menu_choice()
{
    return read_menu_choice_from(stdin, stdout);
}
