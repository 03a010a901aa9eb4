#pragma once
// A font as a design or a stored record describes it: face name, size and style. The numbers
// are the platform's (character set 128 is Shift_JIS, weight 400 normal), kept here without
// the platform's headers so that stored records can be handled anywhere.

#include <string>

namespace lumo {

struct FontDesign {
    std::wstring name = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF"; // ＭＳ Ｐゴシック
    double points = 9.75;
    int charset = 128; // Shift_JIS
    int weight = 400;  // normal
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;

    friend bool operator==(const FontDesign&, const FontDesign&) = default;
};

} // namespace lumo
