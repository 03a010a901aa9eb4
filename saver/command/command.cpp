#include "command.h"

#include "face_layout.h"
#include "face_pictures.h"
#include "form.h"
#include "skip_on_error.h"
#include "wide_text.h"

#include <windows.h>

#include <optional>
#include <stdexcept>

namespace lumo {

namespace {

LabelDesign CaptionDesign(const UserControlDesign& design) {
    LabelDesign caption;
    caption.control = ControlDesign{0, 90, 1635, kCaptionHeight};
    caption.caption = L"Command";
    caption.font = design.font; // the surface's font
    caption.foreColour = RGB(0, 0, 0);
    caption.align = TextAlign::Centre;
    return caption;
}

// A colour of the platform's kind: with the high bit set, the low byte names a system colour.
COLORREF ShownColour(std::uint32_t colour) {
    if ((colour & 0x80000000u) != 0) {
        const int index = static_cast<int>(colour & 0xFFu);
        if (index > COLOR_MENUBAR) {
            throw std::invalid_argument("no such system colour");
        }
        return ::GetSysColor(index);
    }
    return static_cast<COLORREF>(colour & 0x00FFFFFFu);
}

} // namespace

Command::Command(Container& parent, const UserControlDesign& design)
    : UserControl(parent, design), state_(*this), properties_(state_, *this, design.font),
      LblMsg(*this, CaptionDesign(design)), TmrMouse(parent.ParentForm(), 100, false) {
    // The caption has no window and takes the mouse over its area: it hands it on.
    LblMsg.OnMouseDown = [this](const MouseEvent& e) { UserControl_MouseDown(e); };
    LblMsg.OnMouseMove = [this](const MouseEvent& e) { UserControl_MouseMove(e); };
    LblMsg.OnMouseUp = [this](const MouseEvent& e) { UserControl_MouseUp(e); };
    TmrMouse.OnTimer = [this] { TmrMouse_Timer(); };
}

Command::~Command() = default;

void Command::Initialize() {
    state_.Initialize();
}

bool Command::ButtonEnabled() {
    return properties_.Enabled();
}

void Command::SetButtonEnabled(bool enabled) {
    const bool was = state_.IsEnabled();
    properties_.SetEnabled(enabled);
    if (state_.IsEnabled() != was) {
        NotifyAccessible(EVENT_OBJECT_STATECHANGE); // its window stays enabled and says nothing
    }
}

std::wstring Command::Caption() const {
    return FromCp932(properties_.Caption());
}

void Command::SetCaption(const std::wstring& caption) {
    const std::optional<std::string> stored = ToCp932(caption);
    if (!stored) {
        throw std::invalid_argument("a caption the stored record cannot hold");
    }
    properties_.SetCaption(*stored);
}

void Command::SetFont(const FontDesign& font) {
    properties_.SetFont(font);
}

std::uint32_t Command::FontColour() {
    return properties_.FontColour();
}

void Command::SetFontColour(std::uint32_t colour) {
    properties_.SetFontColour(colour);
}

std::uint8_t Command::FaceVisible() {
    return properties_.Visible();
}

void Command::SetFaceVisible(std::uint8_t visible) {
    properties_.SetVisible(visible);
}

void Command::UserControl_ReadProperties(const PropertyBag& record) {
    SkipOnError([&] { properties_.ReadProperties(record, AmbientFont()); });
}

void Command::UserControl_WriteProperties(PropertyBag& record) {
    SkipOnError([&] {
        properties_.KeepFont(LblMsg.Font().Design());
        properties_.WriteProperties(record, AmbientFont());
    });
}

void Command::UserControl_Resize() {
    SkipOnError([&] { state_.Resize(); });
}

void Command::UserControl_MouseDown(const MouseEvent& event) {
    SkipOnError([&] { state_.MouseDown(event.button); });
}

void Command::UserControl_MouseUp(const MouseEvent& event) {
    SkipOnError([&] { state_.MouseUp(event.button); });
}

void Command::UserControl_MouseMove(const MouseEvent& /*event*/) {
    SkipOnError([&] { state_.MouseMove(); });
}

void Command::UserControl_GotFocus() {
    SkipOnError([&] { state_.GotFocus(); });
}

void Command::UserControl_LostFocus() {
    SkipOnError([&] { state_.LostFocus(); });
}

void Command::TmrMouse_Timer() {
    // A failed read leaves the position at the screen's corner and the steps go on, so that a
    // hover look still ends rather than sticking until a read succeeds.
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // The caption has no window, so over it the button's own window is found.
    state_.Tick(::WindowFromPoint(cursor) == Hwnd());
}

void Command::PaintFace(Face face, bool gradientInverted) {
    Surface& surface = Picture();
    SkipOnError([&] { surface.Clear(); });
    SkipOnError([&] { PaintGradient(gradientInverted); });
    const double width = Width();
    const double height = Height();
    for (const auto& piece : FacePieces(width, height)) {
        if (!piece) {
            continue;
        }
        SkipOnError([&] {
            const auto& to = piece->destination;
            const auto& from = piece->source;
            surface.PaintPicture(FacePicture(face), to.x, to.y, to.width, to.height, from.x, from.y,
                                 from.width, from.height);
        });
    }
    SkipOnError([&] { surface.Refresh(); });
    SkipOnError(
        [&] { LblMsg.Move(0, CaptionTop(height, LblMsg.Height()), width, LblMsg.Height()); });
}

void Command::PaintGradient(bool inverted) {
    Surface& surface = Picture();
    surface.SetScaleMode(ScaleMode::Pixels);
    SkipOnError([&] {
        const auto corners =
            GradientVertices(surface.ScaleWidth(), surface.ScaleHeight(), inverted);
        if (!corners) {
            return;
        }
        TRIVERTEX vertices[2]{};
        for (std::size_t i = 0; i < 2; ++i) {
            vertices[i].x = (*corners)[i].x;
            vertices[i].y = (*corners)[i].y;
            vertices[i].Red = (*corners)[i].colour.red;
            vertices[i].Green = (*corners)[i].colour.green;
            vertices[i].Blue = (*corners)[i].colour.blue;
            vertices[i].Alpha = 0;
        }
        GRADIENT_RECT joined{0, 1};
        ::GradientFill(surface.Dc(), vertices, 2, &joined, 1, GRADIENT_FILL_RECT_V);
    });
    surface.SetScaleMode(ScaleMode::Twips);
    surface.Refresh();
}

void Command::RaiseClick() {
    Click();
}

void Command::StartHoverTimer(unsigned intervalMs) {
    TmrMouse.SetEnabled(true);
    TmrMouse.SetInterval(intervalMs);
}

void Command::ShowCaptionEnabled(bool enabled) {
    LblMsg.SetEnabled(enabled);
}

void Command::ShowCaption(const std::string& caption) {
    LblMsg.SetCaption(FromCp932(caption));
}

void Command::ShowCaptionFont(const FontDesign& font) {
    LblMsg.Font().Set(font);
}

void Command::ShowCaptionColour(std::uint32_t colour) {
    LblMsg.SetForeColour(ShownColour(colour));
}

void Command::ShowOpaque(bool opaque) {
    SetBackStyle(opaque ? BackStyle::Opaque : BackStyle::Transparent);
}

void Command::MarkChanged(const std::string& property) {
    PropertyChanged(property);
}

} // namespace lumo
