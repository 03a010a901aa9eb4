#include "image.h"

#include <algorithm>

namespace lumo {

Image::Image(Container& parent, const ImageDesign& design)
    : GraphicControl(parent, design.control), picture_(design.picture), stretch_(design.stretch) {}

void Image::SetPicture(const lumo::Picture& picture) {
    picture_ = picture;
    Repaint();
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    Repaint();
}

void Image::Draw(HDC dc) const {
    const RECT at = PixelRect();
    const int width = at.right - at.left;
    const int height = at.bottom - at.top;
    if (stretch_) {
        picture_.Draw(dc, at.left, at.top, width, height);
        return;
    }
    const int shownWidth = std::min(width, picture_.WidthPixels());
    const int shownHeight = std::min(height, picture_.HeightPixels());
    picture_.DrawPart(dc, at.left, at.top, shownWidth, shownHeight, 0, 0, shownWidth, shownHeight);
}

} // namespace lumo
