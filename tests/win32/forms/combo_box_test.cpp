#include "combo_box.h"
#include "form.h"
#include "picture_box.h"
#include "screen_dpi.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

class ComboForm final : public Form {
  public:
    ComboForm() : Form(Design()), Panel(*this, PanelDesign()), Track(Panel, TrackDesign()) {
        Track.OnClick = [this] { events.push_back(L"click " + Track.Text()); };
        Track.OnChange = [this] { events.push_back(L"change " + Track.Text()); };
    }
    PictureBox Panel;
    ComboBox Track; // in the panel: its notifications go to the panel's window
    std::vector<std::wstring> events;

  private:
    static FormDesign Design() {
        FormDesign design;
        design.caption = L"lumo combo test";
        design.border = BorderStyle::FixedSingle;
        design.clientWidth = 3000;
        design.clientHeight = 1500;
        return design;
    }
    static PictureBoxDesign PanelDesign() {
        PictureBoxDesign design;
        design.control = {0, 0, 3000, 1500};
        return design;
    }
    static ComboBoxDesign TrackDesign() {
        ComboBoxDesign design;
        design.control = {300, 300, 900, 300};
        design.text = L"7";
        return design;
    }
};

TEST(ComboBox, HoldsATextThatIsNoEntryAndItsList) {
    ComboForm form;
    form.Track.AddItem(L"before load");
    form.Load();
    const HWND box = form.Track.Hwnd();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(::GetParent(box), form.Panel.Hwnd());
    EXPECT_EQ(form.Track.Text(), L"7");
    EXPECT_EQ(form.Track.ListIndex(), -1);
    form.Track.Clear();
    EXPECT_EQ(form.Track.Text(), L"");
    form.Track.SetText(L"12"); // set while the list is empty
    for (int i = 0; i <= 30; ++i) {
        form.Track.AddItem(i == 0 ? L"" : std::to_wstring(i));
    }
    EXPECT_EQ(form.Track.ListCount(), 31);
    EXPECT_EQ(::SendMessageA(box, CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(form.Track.List(30), L"30");
    EXPECT_THROW(form.Track.List(31), std::out_of_range);
    EXPECT_EQ(form.Track.Text(), L"12");

    form.Track.SetListIndex(3);
    EXPECT_EQ(form.Track.ListIndex(), 3);
    EXPECT_EQ(form.Track.Text(), L"3");
    EXPECT_THROW(form.Track.SetListIndex(31), std::out_of_range);
    EXPECT_EQ(form.events, (std::vector<std::wstring>{L"change 12", L"click 3"}));

    FontDesign big;
    big.points = 14;
    form.Track.SetFont(big);
    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(box, WM_GETFONT, 0, 0)), sizeof font,
                 &font);
    EXPECT_EQ(font.lfHeight, -19);
    form.Unload();
}

TEST(ComboBox, TheDroppedListShowsItsRowsAtTheScreensDpiInAnyFont) {
    // Run under a bench of 144 or 192 DPI too: the rows grow with the font, and so must the list.
    ComboForm form;
    for (int i = 0; i <= 30; ++i) {
        form.Track.AddItem(std::to_wstring(i));
    }
    form.Show();
    const auto shownRows = [&] {
        ::SendMessageW(form.Track.Hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
        test::PumpFor(20ms);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        RECT inside{};
        const bool found = ::GetComboBoxInfo(form.Track.Hwnd(), &info) != FALSE &&
                           ::GetClientRect(info.hwndList, &inside) != FALSE;
        const auto row = ::SendMessageW(info.hwndList, LB_GETITEMHEIGHT, 0, 0);
        ::SendMessageW(form.Track.Hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
        test::PumpFor(20ms);
        return found && row > 0 ? static_cast<int>(inside.bottom / row) : -1;
    };
    EXPECT_EQ(shownRows(), 8) << "at " << ScreenDpi() << " DPI";
    FontDesign big;
    big.points = 20;
    form.Track.SetFont(big);
    EXPECT_EQ(shownRows(), 8) << "in a 20-point font at " << ScreenDpi() << " DPI";
    form.Unload();
}

TEST(ComboBox, TypingRaisesChangeAndChoosingAnEntryRaisesClick) {
    ComboForm form;
    for (const wchar_t* item : {L"", L"1", L"2", L"3"}) {
        form.Track.AddItem(item);
    }
    form.Show();
    ::SetForegroundWindow(form.Hwnd());
    const HWND edit = ::FindWindowExA(form.Track.Hwnd(), nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    ::SetFocus(edit);
    ::SendMessageA(edit, EM_SETSEL, 0, -1); // the typing replaces the whole text
    form.events.clear();
    ::SendMessageA(edit, WM_CHAR, '5', 1);
    test::PumpFor(20ms);
    EXPECT_EQ(form.events, (std::vector<std::wstring>{L"change 5"}));

    // The down arrow in the text field steps to the next entry, as a user's choice does.
    form.events.clear();
    form.Track.SetListIndex(1);
    form.events.clear();
    ::SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 1);
    test::PumpFor(20ms);
    EXPECT_EQ(form.Track.ListIndex(), 2);
    EXPECT_EQ(form.events, (std::vector<std::wstring>{L"click 2"}));
    form.Unload();
}

} // namespace
} // namespace lumo
