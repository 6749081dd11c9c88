// libFuzzer target for the menu loop on arbitrary bytes. Every choice it
// returns must be 0..2, each menu but the last must consume input, and the
// loop must reach the end of the input.

#include "menu.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0; // fmemopen needs at least one byte
    std::FILE* in = fmemopen(const_cast<std::uint8_t*>(data), size, "r"); // "r": never written
    char* printed = nullptr;
    std::size_t printed_size = 0;
    std::FILE* out = open_memstream(&printed, &printed_size);
    for (std::size_t calls = 0; !std::feof(in); ++calls) {
        const std::int32_t choice = read_menu_choice_from(in, out);
        if (choice < 0 || choice > 2 || calls > size)
            std::abort();
    }
    std::fclose(out);
    std::size_t menus = 0;
    const std::string_view text(printed, printed_size);
    for (auto at = text.find("Escolha: "); at != text.npos; at = text.find("Escolha: ", at + 1))
        ++menus;
    if (menus > size + 1)
        std::abort();
    std::free(printed);
    std::fclose(in);
    return 0;
}
