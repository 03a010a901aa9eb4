#pragma once
// An editable drop-down box: a text field with a list to pick from. The text need not be one of
// the entries (it may be set while the list is still empty). Click is raised when an entry is
// chosen, by the user or by setting ListIndex; Change when the text changes, by typing or by
// setting Text. The entries and the text may be set before the form loads.

#include "control.h"
#include "font_design.h"
#include "win32_handles.h"

#include <functional>
#include <string>
#include <vector>

namespace lumo {

struct ComboBoxDesign {
    ControlDesign control;
    std::wstring text;
    FontDesign font;
    int listRows = 8; // entries shown when the list drops down
};

class ComboBox : public Control {
  public:
    ComboBox(Container& parent, const ComboBoxDesign& design);

    void AddItem(const std::wstring& item);
    void Clear();
    int ListCount() const { return static_cast<int>(items_.size()); }
    // An entry of the list; a missing one is a run-time error.
    const std::wstring& List(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    // The chosen entry, or -1 when none is.
    int ListIndex() const;
    void SetListIndex(int index);

    std::wstring Text() const;
    void SetText(const std::wstring& text);

    void SetFont(const FontDesign& font);
    const FontDesign& Font() const { return design_.font; }

    // Click is the base's OnClick.
    std::function<void()> OnChange;

  protected:
    const wchar_t* ClassName() const override { return L"COMBOBOX"; }
    DWORD Style() const override;
    std::wstring InitialText() const override { return design_.text; }
    void Created() override;
    void Notified(WORD code) override;
    int WindowHeight(int designHeight) const override;
    // Its text is its value; its name is the form's to give (from the label beside it).
    AccessibleFacts KindAccessible() const override;

  private:
    // Sizes the window so that the dropped list shows listRows rows of its current font.
    void FitList();

    ComboBoxDesign design_;
    std::vector<std::wstring> items_;
    int listIndex_ = -1; // until the window exists
    win::GdiObject<HFONT> font_;
};

} // namespace lumo
