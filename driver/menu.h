#pragma once
// The menu, and the reading of the whole numbers typed at it.

#include <cstdint>
#include <cstdio>

// Prints the menu to out and reads from in until a choice in 0..2 is typed,
// printing the menu again after anything else. A number is read as "%d"
// reads it: white space (newlines too) is skipped, a sign and digits are
// taken, and the character after them is left unread. A number beyond 32
// bits counts as INT32_MIN or INT32_MAX, so it is never a choice. A token
// that is not a number (a word, a lone sign, a stray byte) drops the rest of
// its line. Returns the choice, or 0 when input ends. Every menu printed
// but the last consumes at least one character of in.
std::int32_t read_menu_choice_from(std::FILE* in, std::FILE* out);

// read_menu_choice_from on standard input and standard output.
std::int32_t read_menu_choice();
