#pragma once
// The shading of the settings window and of its music panel: one horizontal line per row, dark
// at the top and bottom edges and bright in the middle, following |sin| over the height.

#include <cstdint>

namespace lumo {

struct RowColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RowColour&, const RowColour&) = default;
};

// The last row painted for a height: the height rounded to a whole number, halves to even
// (rows 0 to this one inclusive are painted).
std::int32_t LastShadedRow(double height);

// The brightness of row y in a surface `height` rows high: |sin(y / k) * 220| with
// k = height / 3.142 (not pi, so the last row is slightly past the zero), rounded half to even.
int ShadeLevel(std::int32_t y, double height);

// Blue-black to pale blue-grey: (c, c, c + 30).
RowColour WindowRowColour(std::int32_t y, double height);
// Dark grey to near white: (c + 30, c + 30, c + 30).
RowColour PanelRowColour(std::int32_t y, double height);

} // namespace lumo
