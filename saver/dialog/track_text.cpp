#include "track_text.h"

#include "property_bag.h"

#include <cstdint>
#include <limits>

namespace lumo {

std::string FormatTrack(std::int32_t value) {
    return value == 0 ? std::string() : std::to_string(value);
}

std::int16_t TrackOfText(std::string_view text) {
    const auto number = NumberOfText(text);
    if (!number) {
        return 0;
    }
    try {
        // Rounds halves to even, and throws for what 16 bits cannot hold (infinity included).
        return static_cast<std::int16_t>(ToInteger(*number,
                                                   std::numeric_limits<std::int16_t>::min(),
                                                   std::numeric_limits<std::int16_t>::max()));
    } catch (...) {
        return 0;
    }
}

} // namespace lumo
