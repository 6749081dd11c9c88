#pragma once
// The menu and the reading of whole numbers typed at it.

#include <cstdint>
#include <cstdio>

// --- Reading a number -----------------------------------------------------

enum class read_status {
    number,       // a number was read
    not_a_number, // the token was not a number; its line has been dropped
    end_of_input, // input ended before a number
};

// Reads one whole number from in the way "%d" does: skips white space
// (newlines too), takes an optional sign and the digits, and leaves the
// character after them unread. A value beyond 32 bits is clamped to
// INT32_MIN or INT32_MAX. When the token is not a number (a word, a lone
// sign, a stray byte) the rest of its line is dropped through the newline.
// *value is set only for read_status::number. Every call either consumes at
// least one character or reports end_of_input.
read_status read_number(std::FILE* in, std::int32_t* value);

// --- The menu -------------------------------------------------------------

// Prints the menu to standard output and reads from standard input until a
// choice in 0..2 is typed, printing the menu again after anything else.
// Returns the choice; returns 0 when input ends.
std::int32_t read_menu_choice();
