#pragma once
// The CD track in the settings window's track box: how a stored number is shown and how the
// box's text is read back when the settings are saved.

#include <cstdint>
#include <string>
#include <string_view>

namespace lumo {

// The "##" form: the digits without leading zeros, a "-" before negative numbers, and the
// empty text for 0.
std::string FormatTrack(std::int32_t value);

// The track a text stands for: a number (blanks around it allowed, in any form the runtime reads
// numbers) rounded to the nearest whole number, halves to the even one. Any other text, the
// empty one included, is 0 (no repeat). So is a number beyond 16 signed bits: no disc holds
// such a track, and a typing slip must not end the program.
std::int16_t TrackOfText(std::string_view text);

} // namespace lumo
