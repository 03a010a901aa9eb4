#include "preview_form.h"

#include "preview_resources.h"
#include "screen_dpi.h"
#include "settings.h"
#include "twips.h"
#include "wide_text.h"

#include <cstdint>

namespace lumo {

namespace {

// Pixels of this screen, such as the preview area's size, in twips.
double Twips(int pixels) {
    return PixelsToTwips(pixels, ScreenDpi());
}

FormDesign PreviewDesign() {
    FormDesign design;
    design.caption = FromCp932(kPreviewCaption);
    design.border = BorderStyle::None;
    design.backColour = RGB(0, 0, 0);
    design.programIcon = false;
    design.showInTaskbar = true; // no hidden owner: the form is shown without one
    // The design's size in pixels of the standard DPI: the same inches on every screen.
    design.clientWidth = 152 * kTwipsPerPixel;
    design.clientHeight = 112 * kTwipsPerPixel;
    design.picture = Picture::FromResourceOrEmpty(IDR_PREVIEW_BACKGROUND);
    return design;
}

ImageDesign PreviewImageDesign() {
    ImageDesign design;
    design.picture = Picture::FromResourceOrEmpty(IDR_PREVIEW_IMAGE);
    design.control = {0, 0, Twips(design.picture.WidthPixels()),
                      Twips(design.picture.HeightPixels())};
    // A preview area of another size gets the whole still scaled to it rather than a corner of
    // it on black: the effect fills the screen, so its preview fills the area too.
    design.stretch = true;
    return design;
}

} // namespace

HWND WindowFromCommandLine(std::int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(handle));
}

Lumovane_R::Lumovane_R()
    : Form(PreviewDesign()), Img_Prev(*this, PreviewImageDesign()), ParentWatch(*this, 1000, true) {
    ParentWatch.OnTimer = [this] {
        if (parent_ != nullptr && !::IsWindow(parent_)) {
            Unload();
        }
    };
}

bool Lumovane_R::Start(std::int32_t parentWindow) {
    return StartPreview(static_cast<PreviewHost&>(*this), parentWindow);
}

bool Lumovane_R::ParentSize(std::int32_t parentWindow, int& width, int& height) {
    const HWND parent = WindowFromCommandLine(parentWindow);
    if (parent == nullptr || !::IsWindow(parent)) {
        ApiResult = 0;
        return false;
    }
    RECT outer{};
    ApiResult = ::GetWindowRect(parent, &outer);
    width = outer.right - outer.left;
    height = outer.bottom - outer.top;
    return ApiResult != 0;
}

void Lumovane_R::LoadForm() {
    Load();
}

void Lumovane_R::AddChildStyle() {
    const LONG style = ::GetWindowLongW(Hwnd(), GWL_STYLE);
    ApiResult = ::SetWindowLongW(Hwnd(), GWL_STYLE, style | static_cast<LONG>(WS_CHILD));
}

void Lumovane_R::SetParent(std::int32_t parentWindow) {
    parent_ = WindowFromCommandLine(parentWindow);
    const HWND previous = ::SetParent(Hwnd(), parent_);
    ApiResult = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(previous));
}

void Lumovane_R::PlaceForm(int width, int height) {
    Move(0, 0, Twips(width), Twips(height));
}

void Lumovane_R::PlaceImage(int width, int height) {
    Img_Prev.Move(Img_Prev.Left(), Img_Prev.Top(), Twips(width), Twips(height));
    Img_Prev.Move(0, 0, Twips(width), Twips(height));
}

void Lumovane_R::ShowForm() {
    Show(ShowMode::Modeless);
}

} // namespace lumo
