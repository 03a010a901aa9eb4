#pragma once
// A font as a design or a stored record describes it: face name, size and style. The numbers
// are the platform's (character set 128 is Shift_JIS, weight 400 normal), kept here without
// the platform's headers so that stored records can be handled anywhere.

#include <string>

namespace lumo {

struct FontDesign {
    std::string name =
        "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E"; // ＭＳ Ｐゴシック
    double points = 9.75;
    int charset = 128; // Shift_JIS
    int weight = 400;  // normal
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;

    friend bool operator==(const FontDesign&, const FontDesign&) = default;
};

} // namespace lumo
