// Any text typed into the track box must convert without failing, and a result that is not 0
// must show as a text that reads back as the same track.
#include "track_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int16_t track = lumo::TrackOfText(text);
    if (track != 0 && lumo::TrackOfText(lumo::FormatTrack(track)) != track) {
        std::abort();
    }
    return 0;
}
