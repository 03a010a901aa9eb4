#include "combo_box.h"

#include "accessible_anchor.h"
#include "label.h"
#include "screen_dpi.h"
#include "twips.h"

#include <oleacc.h>

#include <stdexcept>

namespace lumo {

ComboBox::ComboBox(Container& parent, const ComboBoxDesign& design)
    : Control(parent, design.control), design_(design) {}

DWORD ComboBox::Style() const {
    return CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP;
}

int ComboBox::WindowHeight(int designHeight) const {
    // The window's height takes in the dropped list: the list gets what is left below the text
    // field, whose height the box takes from its font. Its rows are as high as the font, so they
    // grow with the screen's DPI as every control does. Until the window exists and can say how
    // high its field and rows are, the design's height and rows of 16 standard pixels stand in;
    // Created() places the window again with its own figures.
    const int dpi = ScreenDpi();
    if (Hwnd() != nullptr) {
        const auto row = ::SendMessageW(Hwnd(), CB_GETITEMHEIGHT, 0, 0);
        RECT field{};
        if (row > 0 && ::GetWindowRect(Hwnd(), &field)) {
            return static_cast<int>(field.bottom - field.top) +
                   design_.listRows * static_cast<int>(row) + 2 * ::GetSystemMetrics(SM_CYBORDER);
        }
    }
    return designHeight + design_.listRows * ScaledFromStandard(16, dpi) +
           ScaledFromStandard(4, dpi);
}

void ComboBox::FitList() {
    Control::ShowPlace(RECT{});
}

void ComboBox::Created() {
    font_.Reset(CreateDesignFont(design_.font));
    ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    FitList();
    for (const std::wstring& item : items_) {
        ::SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    if (listIndex_ >= 0) {
        ::SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(listIndex_), 0);
    }
    ::SetWindowTextW(Hwnd(), design_.text.c_str());
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    if (::GetComboBoxInfo(Hwnd(), &parts)) {
        AnswerAsParent(parts.hwndItem);
    }
}

void ComboBox::AddItem(const std::wstring& item) {
    if (Hwnd() != nullptr &&
        ::SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str())) < 0) {
        throw std::runtime_error("the list takes no more entries");
    }
    items_.push_back(item);
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    design_.text.clear();
    if (Hwnd() != nullptr) {
        ::SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
        ::SetWindowTextW(Hwnd(), L"");
    }
}

int ComboBox::ListIndex() const {
    if (Hwnd() == nullptr) {
        return listIndex_;
    }
    const auto chosen = ::SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0);
    return chosen == CB_ERR ? -1 : static_cast<int>(chosen);
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) {
        throw std::out_of_range("no entry with that index");
    }
    listIndex_ = index;
    if (index >= 0) {
        design_.text = items_[static_cast<std::size_t>(index)];
    }
    if (Hwnd() != nullptr) {
        ::SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    Click();
}

std::wstring ComboBox::Text() const {
    if (Hwnd() == nullptr) {
        return design_.text;
    }
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(Hwnd())) + 1, L'\0');
    const int got = ::GetWindowTextW(Hwnd(), text.data(), static_cast<int>(text.size()));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void ComboBox::SetText(const std::wstring& text) {
    design_.text = text;
    if (Hwnd() != nullptr) {
        ::SetWindowTextW(Hwnd(), text.c_str());
    }
    if (OnChange) {
        OnChange();
    }
}

void ComboBox::SetFont(const FontDesign& font) {
    design_.font = font;
    if (Hwnd() != nullptr) {
        win::GdiObject<HFONT> fresh(CreateDesignFont(font));
        ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(fresh.Get()), TRUE);
        font_ = std::move(fresh); // the old one goes only once the box no longer uses it
        FitList();
    }
}

AccessibleFacts ComboBox::KindAccessible() const {
    AccessibleFacts facts;
    facts.role = ROLE_SYSTEM_COMBOBOX;
    facts.name = GivenAccessibleName().value_or(std::wstring{});
    facts.value = Text();
    return facts;
}

void ComboBox::Notified(WORD code) {
    switch (code) {
    case CBN_SELCHANGE: {
        // The text field follows the choice only after this notification: make it follow now,
        // so that the Click handler reads the chosen entry as the text.
        const int chosen = ListIndex();
        if (chosen >= 0 && chosen < ListCount()) {
            ::SetWindowTextW(Hwnd(), items_[static_cast<std::size_t>(chosen)].c_str());
        }
        Click();
        break;
    }
    case CBN_EDITCHANGE:
        if (OnChange) {
            OnChange();
        }
        break;
    default:
        break;
    }
}

} // namespace lumo
