// Any bytes as a command line: the parsers must neither crash nor read outside the text, and
// their results must keep their promises.
#include "command_line.h"
#include "cp932.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string arguments = lumo::ArgumentsOf(text);
    if (arguments.size() > text.size()) {
        std::abort();
    }
    for (const std::string_view line : {text, std::string_view(arguments)}) {
        const std::string mode = lumo::ModeLetter(line);
        if (mode.size() > 2 || (line.size() < 2 && !mode.empty())) {
            std::abort();
        }
        (void)lumo::ParentWindowHandle(line);
        const auto chars = lumo::cp932::Characters(line);
        std::size_t total = 0;
        for (const auto c : chars) {
            total += c.size();
        }
        if (total != line.size()) {
            std::abort();
        }
    }
    return 0;
}
