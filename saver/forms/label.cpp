#include "label.h"

#include "mouse_pointer.h"
#include "screen_dpi.h"

#include <oleacc.h>

#include <cmath>

namespace lumo {

HFONT CreateDesignFont(const FontDesign& font) {
    const int height = -static_cast<int>(std::lround(font.points * ScreenDpi() / 72.0));
    return ::CreateFontW(height, 0, 0, 0, font.weight, font.italic ? TRUE : FALSE,
                         font.underline ? TRUE : FALSE, font.strikethrough ? TRUE : FALSE,
                         static_cast<DWORD>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                         DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
}

Label::Label(Container& parent, const LabelDesign& design)
    : Control(parent, design.control), design_(design) {}

const wchar_t* Label::ClassName() const {
    RegisterClassOnce(L"LumoLabel");
    return L"LumoLabel";
}

void Label::Created() {
    font_.Reset(CreateDesignFont(design_.font));
}

void Label::SetCaption(const std::wstring& caption) {
    design_.caption = caption;
    if (Hwnd() != nullptr) {
        ::SetWindowTextW(Hwnd(), caption.c_str());
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void Label::SetForeColour(COLORREF colour) {
    design_.foreColour = colour;
    if (Hwnd() != nullptr) {
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

AccessibleFacts Label::KindAccessible() const {
    AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_STATICTEXT;
    facts.state = STATE_SYSTEM_READONLY;
    if (const auto& given = GivenAccessibleName()) {
        facts.name = *given;
        facts.value = design_.caption;
    } else {
        facts.name = design_.caption;
    }
    return facts;
}

void DrawLabelText(HDC dc, const RECT& box, const LabelDesign& design, HFONT font, bool enabled) {
    win::SelectedObject selected(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, enabled ? design.foreColour : ::GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_NOPREFIX;
    format |= design.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    format |= design.align == TextAlign::Centre  ? DT_CENTER
              : design.align == TextAlign::Right ? DT_RIGHT
                                                 : DT_LEFT;
    RECT into = box;
    ::DrawTextW(dc, design.caption.c_str(), static_cast<int>(design.caption.size()), &into, format);
}

void Label::Paint(HDC dc) {
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    if (design_.backColour) {
        win::GdiObject<HBRUSH> brush(::CreateSolidBrush(*design_.backColour));
        ::FillRect(dc, &client, brush.Get());
    } else {
        // Transparent: show what lies under the label in its container.
        Parent().PaintBehind(Hwnd(), dc, 0, 0, client);
    }
    DrawLabelText(dc, client, design_, font_.Get(), ::IsWindowEnabled(Hwnd()) != FALSE);
}

LRESULT Label::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (RouteOwnMouse(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = ::BeginPaint(Hwnd(), &ps);
        Paint(dc);
        ::EndPaint(Hwnd(), &ps);
        return 0;
    }
    case WM_SETCURSOR:
        if (design_.mouseIcon != nullptr && LOWORD(lParam) == HTCLIENT &&
            app::CurrentMousePointer() != app::MousePointer::Wait) {
            ::SetCursor(design_.mouseIcon);
            return TRUE;
        }
        break; // the form shows the wait pointer, or the class's arrow shows
    default:
        break;
    }
    return Control::HandleMessage(message, wParam, lParam);
}

} // namespace lumo
