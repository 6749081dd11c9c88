// libFuzzer target for the menu's number reader. For any bytes, the reader
// must reach the end of input in at most one read per byte, and each number
// it reports must be what strtoll makes of the same characters, clamped to
// 32 bits.

#include "menu.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace {
// The number strtoll reads from token (white space, sign, digits), clamped.
std::int32_t oracle(const std::string& token)
{
    const long long value = std::strtoll(token.c_str(), nullptr, 10); // saturates at long long
    return static_cast<std::int32_t>(std::clamp<long long>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool is_digit(int c)
{
    return c >= '0' && c <= '9';
}

// Reads one token from in and checks it; false at the end of input.
bool read_and_check(std::FILE* in, const std::uint8_t* data)
{
    const long from = std::ftell(in);
    std::int32_t value = 0;
    const read_status status = read_number(in, &value);
    const long to = std::ftell(in);
    if (status == read_status::end_of_input)
        return false;
    if (to <= from) // no progress would loop the menu for ever
        std::abort();
    if (status == read_status::number) {
        const std::string token(data + from, data + to);
        const int next = std::getc(in);
        if (value != oracle(token) || is_digit(next) || !is_digit(token.back()))
            std::abort();
        if (next != EOF)
            std::ungetc(next, in);
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0; // fmemopen needs at least one byte
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r"); // "r": never written
    if (in == nullptr)
        return 0;
    std::size_t reads = 0;
    while (read_and_check(in, data))
        if (++reads > size)
            std::abort();
    std::fclose(in);
    return 0;
}
