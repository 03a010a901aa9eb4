#include "settings_dialog.h"

#include "application.h"
#include "background_shading.h"
#include "dialog_resources.h"
#include "settings.h"
#include "settings_file.h"
#include "wide_text.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace lumo {
namespace {

using namespace std::chrono_literals;

// A child window's place in its parent's inner area, in pixels.
RECT PlaceOf(HWND child) {
    RECT r{};
    ::GetWindowRect(child, &r);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return RECT{r.left, r.top, r.right - r.left, r.bottom - r.top}; // left, top, width, height
}

void ExpectPlace(HWND child, int left, int top, int width, int height, const char* name) {
    const RECT place = PlaceOf(child);
    EXPECT_EQ(place.left, left) << name;
    EXPECT_EQ(place.top, top) << name;
    EXPECT_EQ(place.right, width) << name;
    if (height >= 0) {
        EXPECT_EQ(place.bottom, height) << name;
    }
}

void ExpectPixelRect(const GraphicControl& control, int left, int top, int width, int height,
                     const char* name) {
    const RECT r = control.PixelRect();
    EXPECT_EQ(r.left, left) << name;
    EXPECT_EQ(r.top, top) << name;
    EXPECT_EQ(r.right - r.left, width) << name;
    EXPECT_EQ(r.bottom - r.top, height) << name;
}

COLORREF Colour(const RowColour& c) {
    return RGB(c.red, c.green, c.blue);
}

bool Enabled(HWND hwnd) {
    return ::IsWindowEnabled(hwnd) != FALSE;
}

class SettingsDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            test::ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ::DeleteFileA(IniPath().c_str());
        settings.BgmFolder = FromCp932(folder);
    }
    std::string IniPath() const { return folder + kIniFileName; }
    std::string folder;
    BgmSettings settings;
    std::int32_t apiResult = 0;
};

TEST_F(SettingsDialog, WindowAndControlsStandWhereTheDesignPutsThem) {
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Load();
    ASSERT_TRUE(dialog.IsLoaded());
    const HWND hwnd = dialog.Hwnd();
    char caption[64] = {};
    ::GetWindowTextA(hwnd, caption, sizeof caption);
    EXPECT_STREQ(caption, "<\x83\x8B\x83\x82\x83\x94\x83\x46\x83\x43\x83\x93>");
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 496);
    EXPECT_EQ(client.bottom, 243);
    const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // Centred across, at one third of the free height.
    RECT outer{};
    ::GetWindowRect(hwnd, &outer);
    const int freeWidth = ::GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left);
    const int freeHeight = ::GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top);
    EXPECT_NEAR(outer.left, freeWidth / 2, 1);
    EXPECT_NEAR(outer.top, freeHeight / 3, 1);

    ExpectPlace(dialog.Panel.Hwnd(), 12, 16, 469, 165, "Pic_C(0)");
    ExpectPlace(dialog.lbl[7].Hwnd(), 12, 190, 300, 13, "lbl(7)");
    ExpectPlace(dialog.lbl_URL.Hwnd(), 12, 208, 219, 13, "lbl_URL");
    ExpectPlace(dialog.Cmd_Set.Hwnd(), 324, 200, 77, 25, "Cmd_Set");
    ExpectPlace(dialog.Cmd_Can.Hwnd(), 404, 200, 77, 25, "Cmd_Can");
    ExpectPixelRect(dialog.Img_Ra[0], 536, 20, 12, 12, "Img_Ra(0)");
    ExpectPixelRect(dialog.Img_Ra[1], 536, 40, 12, 12, "Img_Ra(1)");
    EXPECT_GE(dialog.Img_Ra[0].PixelRect().left, client.right); // never seen

    ExpectPixelRect(dialog.Shape3[3], 20, 20, 113, 21, "Shape3(3)");
    ExpectPlace(dialog.lbl[15].Hwnd(), 20, 24, 111, 13, "lbl(15)");
    ExpectPixelRect(dialog.Img_BGM[1], 28, 56, 13, 13, "Img_BGM(1)");
    ExpectPlace(dialog.lbl_BGM[1].Hwnd(), 44, 56, 43, 13, "lbl_BGM(1)");
    ExpectPlace(dialog.BGM_Repeat.Hwnd(), 112, 52, 41, -1, "BGM_Repeat");
    ExpectPlace(dialog.lbl[14].Hwnd(), 156, 56, 66, 13, "lbl(14)");
    ExpectPixelRect(dialog.Img_BGM[0], 28, 76, 13, 13, "Img_BGM(0)");
    ExpectPlace(dialog.lbl_BGM[0].Hwnd(), 44, 76, 22, 13, "lbl_BGM(0)");
    ExpectPixelRect(dialog.Img_BGM[2], 28, 96, 13, 13, "Img_BGM(2)");
    ExpectPlace(dialog.lbl_BGM[2].Hwnd(), 44, 96, 60, 13, "lbl_BGM(2)");
    ExpectPlace(dialog.Cmd_File[0].Hwnd(), 28, 116, 41, 21, "Cmd_File(0)");
    ExpectPlace(dialog.lbl_Fname[0].Hwnd(), 72, 116, 373, 33, "lbl_Fname(0)");
    EXPECT_EQ(::GetParent(dialog.BGM_Repeat.Hwnd()), dialog.Panel.Hwnd());
    EXPECT_EQ(::GetParent(dialog.Cmd_File[0].Hwnd()), dialog.Panel.Hwnd());

    EXPECT_EQ(dialog.Cmd_Set.Caption(), FromCp932("\x90\xDD\x92\xE8"));
    EXPECT_EQ(dialog.Cmd_Can.Caption(), FromCp932("\xB7\xAC\xDD\xBE\xD9"));
    EXPECT_EQ(dialog.Cmd_File[0].Caption(), L"...");
    EXPECT_EQ(dialog.Cmd_Set.Font().Design(), FontDesign{});
    EXPECT_EQ(dialog.lbl_URL.Caption(), L"https://lumovane.example/");
    dialog.Unload();
}

TEST_F(SettingsDialog, ShowingPaintsTheShadingIntoBothPersistentImages) {
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Show();
    test::PumpFor(100ms);
    const HDC window = dialog.Picture().Dc();
    const HDC panel = dialog.Panel.Picture().Dc();
    EXPECT_EQ(::GetPixel(window, 3, 0), RGB(0, 0, 30));
    EXPECT_EQ(::GetPixel(window, 490, 121), RGB(220, 220, 250));
    EXPECT_EQ(::GetPixel(window, 3, 242), Colour(WindowRowColour(242, 243)));
    EXPECT_EQ(::GetPixel(panel, 3, 0), RGB(30, 30, 30));
    EXPECT_EQ(::GetPixel(panel, 460, 82), RGB(250, 250, 250));
    EXPECT_EQ(::GetPixel(panel, 3, 164), Colour(PanelRowColour(164, 165)));
    // And on the screen, between the controls.
    EXPECT_EQ(test::WindowPixel(dialog.Hwnd(), 3, 121), RGB(220, 220, 250));
    EXPECT_EQ(test::WindowPixel(dialog.Panel.Hwnd(), 460, 82), RGB(250, 250, 250));
    dialog.Unload();
}

TEST_F(SettingsDialog, MarksAndDependentControlsFollowTheKindChosenWithAnyButton) {
    const std::string music = folder + "\\loop.wav";
    settings.BgmKind = 2;
    settings.BgmFile = FromCp932(music);
    settings.BgmRepeat = 12;
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Load();
    const Picture off = dialog.Img_Ra[0].GetPicture();
    const Picture on = dialog.Img_Ra[1].GetPicture();
    ASSERT_EQ(off.WidthPixels(), 12);
    ASSERT_EQ(on.HeightPixels(), 12);
    ASSERT_FALSE(off == on);
    const auto expectMarked = [&](int kind) {
        for (int i = 0; i <= 2; ++i) {
            EXPECT_TRUE(dialog.Img_BGM[i].GetPicture() == (i == kind ? on : off)) << i;
        }
    };
    expectMarked(2);
    EXPECT_FALSE(Enabled(dialog.BGM_Repeat.Hwnd()));
    EXPECT_TRUE(dialog.Cmd_File[0].ButtonEnabled());
    EXPECT_EQ(dialog.lbl_Fname[0].Caption(), FromCp932(music));
    EXPECT_EQ(dialog.BGM_Repeat.Text(), L"12");
    ASSERT_EQ(dialog.BGM_Repeat.ListCount(), 31);
    EXPECT_EQ(dialog.BGM_Repeat.List(0), L"");
    EXPECT_EQ(dialog.BGM_Repeat.List(30), L"30");

    // A right press on the label of 音楽CD.
    ::SendMessageA(dialog.lbl_BGM[1].Hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(dialog.lbl_BGM[1].Hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(settings.BgmKind, 1);
    expectMarked(1);
    EXPECT_TRUE(Enabled(dialog.BGM_Repeat.Hwnd()));
    EXPECT_FALSE(dialog.Cmd_File[0].ButtonEnabled());
    EXPECT_EQ(dialog.BGM_Repeat.Text(), L"12");

    // A middle press on the mark of なし (windowless: through the panel's window).
    const RECT mark = dialog.Img_BGM[0].PixelRect();
    const LPARAM at = MAKELPARAM(mark.left + 4, mark.top + 4);
    ::SendMessageA(dialog.Panel.Hwnd(), WM_MBUTTONDOWN, MK_MBUTTON, at);
    ::SendMessageA(dialog.Panel.Hwnd(), WM_MBUTTONUP, 0, at);
    EXPECT_EQ(settings.BgmKind, 0);
    expectMarked(0);
    EXPECT_FALSE(Enabled(dialog.BGM_Repeat.Hwnd()));
    EXPECT_EQ(settings.BgmFile, FromCp932(music)); // the choice changes nothing else
    EXPECT_EQ(dialog.lbl_Fname[0].Caption(), FromCp932(music));
    dialog.Unload();
}

TEST_F(SettingsDialog, LoadingStartsEveryCommandButtonWhereverItStands) {
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    EXPECT_EQ(dialog.Cmd_File[0].FaceState(), 0);
    dialog.Load();
    // Initialize moves a button out of its "not started" state; "..." stands in the panel.
    EXPECT_EQ(dialog.Cmd_Set.FaceState(), 1);
    EXPECT_EQ(dialog.Cmd_Can.FaceState(), 1);
    EXPECT_EQ(dialog.Cmd_File[0].FaceState(), 1);
    dialog.Unload();
}

TEST_F(SettingsDialog, AKindWithoutAMarkSelectsNoneAndOpensAllTheSame) {
    settings.BgmKind = 5;
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Load();
    for (int i = 0; i <= 2; ++i) {
        EXPECT_TRUE(dialog.Img_BGM[i].GetPicture() == dialog.Img_Ra[0].GetPicture()) << i;
    }
    EXPECT_FALSE(Enabled(dialog.BGM_Repeat.Hwnd()));
    EXPECT_FALSE(dialog.Cmd_File[0].ButtonEnabled());
    EXPECT_EQ(dialog.BGM_Repeat.ListCount(), 31); // the later steps ran
    dialog.Unload();
}

TEST_F(SettingsDialog, SavedSettingsAreWhatTheSaverLoadsBack) {
    const std::string music = folder + "\\\x83\x5C\x83\x74\x83\x67.mp3"; // ソフト.mp3
    std::ofstream(music) << "not really music";
    settings.BgmFile = FromCp932(music);
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Load();
    ::SendMessageA(dialog.lbl_BGM[1].Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(dialog.lbl_BGM[1].Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    ::SetWindowTextA(dialog.BGM_Repeat.Hwnd(), " 3.5 ");
    dialog.Cmd_Set.OnClick();
    EXPECT_FALSE(dialog.IsLoaded());

    const std::wstring ini = FromCp932(IniPath());
    const std::wstring kind = ReadIni(kIniSection, kKeyBgmKind, ini);
    EXPECT_TRUE(kind == L" 1" || kind == L"1") << kind;
    const std::wstring repeat = ReadIni(kIniSection, kKeyBgmRepeat, ini);
    EXPECT_TRUE(repeat == L" 4" || repeat == L"4") << repeat;
    EXPECT_EQ(ReadIni(kIniSection, kKeyBgmFile, ini), FromCp932(music));

    const BgmSettings loaded = LoadSettings(FromCp932(folder));
    EXPECT_EQ(loaded.BgmKind, 1);
    EXPECT_EQ(loaded.BgmRepeat, 4);
    EXPECT_EQ(loaded.BgmFile, FromCp932(music));
    EXPECT_EQ(loaded.BgmFolder, FromCp932(folder));
}

TEST_F(SettingsDialog, CancelAndTheCloseBoxWriteNothing) {
    {
        Lumovane_P dialog(settings, apiResult, FromCp932(folder));
        dialog.Load();
        dialog.Cmd_Can.OnClick();
        EXPECT_FALSE(dialog.IsLoaded());
    }
    {
        Lumovane_P dialog(settings, apiResult, FromCp932(folder));
        dialog.Load();
        ::SendMessageA(dialog.Hwnd(), WM_CLOSE, 0, 0);
        EXPECT_FALSE(dialog.IsLoaded());
    }
    EXPECT_EQ(::GetFileAttributesA(IniPath().c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(SettingsDialog, TabMovesTheFocusInTheDesignsOrder) {
    settings.BgmKind = 1;
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Show();
    test::PumpFor(50ms);
    const auto focusIn = [](HWND control) {
        const HWND focus = ::GetFocus();
        return focus == control || ::IsChild(control, focus);
    };
    const auto tab = [&](bool shift) {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(keys);
        MSG msg{};
        msg.hwnd = ::GetFocus();
        msg.message = WM_KEYDOWN;
        msg.wParam = VK_TAB;
        EXPECT_TRUE(Form::TranslateTabKey(msg));
    };
    // Labels and the panel take no focus: the track box is first.
    EXPECT_TRUE(focusIn(dialog.BGM_Repeat.Hwnd()));
    tab(false);
    EXPECT_TRUE(focusIn(dialog.Cmd_File[0].Hwnd())); // its window stays enabled
    tab(false);
    EXPECT_TRUE(focusIn(dialog.Cmd_Set.Hwnd()));
    tab(false);
    EXPECT_TRUE(focusIn(dialog.Cmd_Can.Hwnd()));
    tab(false);
    EXPECT_TRUE(focusIn(dialog.BGM_Repeat.Hwnd()));
    tab(true);
    EXPECT_TRUE(focusIn(dialog.Cmd_Can.Hwnd()));
    tab(false);
    // Other keys are not the tab order's.
    MSG other{};
    other.hwnd = ::GetFocus();
    other.message = WM_KEYDOWN;
    other.wParam = VK_RETURN;
    EXPECT_FALSE(Form::TranslateTabKey(other));
    dialog.Unload();
}

TEST_F(SettingsDialog, TheLinkClicksOnlyForALeftPressReleasedOverIt) {
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Show();
    test::PumpFor(50ms);
    int clicks = 0;
    dialog.lbl_URL.OnClick = [&] { ++clicks; }; // no browser in a test
    const HWND link = dialog.lbl_URL.Hwnd();
    const auto send = [&](UINT message, int x, int y) {
        ::SendMessageA(link, message, 0, MAKELPARAM(x, y));
    };
    // A right press, then a left release that began elsewhere: no click.
    send(WM_RBUTTONDOWN, 4, 4);
    send(WM_RBUTTONUP, 4, 4);
    send(WM_LBUTTONUP, 4, 4);
    EXPECT_EQ(clicks, 0);
    // A left press released away from the link, then a stray release over it: no click.
    send(WM_LBUTTONDOWN, 4, 4);
    EXPECT_EQ(::GetCapture(), link);
    send(WM_LBUTTONUP, 4, 400);
    EXPECT_EQ(::GetCapture(), nullptr);
    send(WM_LBUTTONUP, 4, 4);
    EXPECT_EQ(clicks, 0);
    // Pressed and released over it: one click.
    send(WM_LBUTTONDOWN, 4, 4);
    send(WM_LBUTTONUP, 5, 5);
    EXPECT_EQ(clicks, 1);
    dialog.Unload();
}

TEST_F(SettingsDialog, TheLinkShowsTheHandUnlessTheProgramWaits) {
    Lumovane_P dialog(settings, apiResult, FromCp932(folder));
    dialog.Show();
    test::PumpFor(50ms);
    const HWND link = dialog.lbl_URL.Hwnd();
    const HCURSOR hand =
        ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_DIALOG_HAND));
    ASSERT_NE(hand, nullptr);
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT_TRUE(::SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), overClient));
    EXPECT_EQ(::GetCursor(), hand);
    app::SetMousePointer(app::MousePointer::Wait);
    EXPECT_TRUE(::SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), overClient));
    EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    app::SetMousePointer(app::MousePointer::Default);
    dialog.Unload();
}

} // namespace
} // namespace lumo
