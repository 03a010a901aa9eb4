// Settings values come from a file anyone can edit: the number reader must take any bytes.
#include "settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto number = lumo::ReadSettingNumber(text);
    const auto decimal = lumo::ReadDecimal(text);
    // Both readers agree, and a 16-bit result survives the written form unchanged.
    const bool fits = decimal && decimal->floor >= std::numeric_limits<std::int16_t>::min() &&
                      decimal->floor <= std::numeric_limits<std::int16_t>::max();
    if (number.has_value() != fits) {
        std::abort();
    }
    if (number && lumo::ReadSettingNumber(lumo::FormatSettingNumber(*number)) != number) {
        std::abort();
    }
    const std::wstring path(text.begin(), text.end());
    const std::wstring folder = lumo::FolderOf(path);
    if (folder.size() > path.size() || path.compare(0, folder.size(), folder) != 0) {
        std::abort();
    }
    return 0;
}
