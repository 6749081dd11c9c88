// libFuzzer target for the menu loop on arbitrary bytes. Every choice it
// returns must be 0..2, and it must reach the end of the input: each call
// that returns before the end has consumed input.

#include "menu.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0; // fmemopen needs at least one byte
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r"); // "r": never written
    std::FILE* out = std::fopen("/dev/null", "w");
    for (std::size_t calls = 0; !std::feof(in); ++calls) {
        const std::int32_t choice = read_menu_choice_from(in, out);
        if (choice < 0 || choice > 2 || calls > size)
            std::abort();
    }
    std::fclose(out);
    std::fclose(in);
    return 0;
}
