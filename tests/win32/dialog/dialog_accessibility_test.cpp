// The settings window as a screen reader in this process meets it: the objects the system hands
// out for its windows (AccessibleObjectFromWindow), their answers, their default actions and the
// WinEvents that announce changes. From another process: tests/e2e/dialog_screen_reader_test.sh.

#include "settings_dialog.h"

#include "settings.h"
#include "wide_text.h"
#include "win32_test_support.h"

#include <gtest/gtest.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::chrono_literals;

const IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

// One reference to a window's accessible object.
class Object {
  public:
    explicit Object(HWND hwnd) {
        ::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                     reinterpret_cast<void**>(&p_));
    }
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() {
        if (p_ != nullptr) {
            p_->Release();
        }
    }
    IAccessible* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

  private:
    IAccessible* p_ = nullptr;
};

VARIANT Child(long id = CHILDID_SELF) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::wstring Text(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), const Object& o,
                  long id = CHILDID_SELF) {
    BSTR text = nullptr;
    std::wstring out;
    if (((*o.operator->()).*get)(Child(id), &text) == S_OK) {
        out.assign(text, ::SysStringLen(text));
    }
    ::SysFreeString(text);
    return out;
}
std::wstring Name(const Object& o, long id = CHILDID_SELF) {
    return Text(&IAccessible::get_accName, o, id);
}

long Number(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), const Object& o,
            long id = CHILDID_SELF) {
    VARIANT v;
    ::VariantInit(&v);
    return ((*o.operator->()).*get)(Child(id), &v) == S_OK && v.vt == VT_I4 ? v.lVal : -1;
}
long Role(const Object& o, long id = CHILDID_SELF) {
    return Number(&IAccessible::get_accRole, o, id);
}
long State(const Object& o, long id = CHILDID_SELF) {
    return Number(&IAccessible::get_accState, o, id);
}

// The WinEvents this process raises, as a screen reader hears them.
struct Heard {
    DWORD event;
    HWND hwnd;
    LONG child;
    bool operator==(const Heard&) const = default;
};
std::vector<Heard> g_heard;
void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) {
        g_heard.push_back(Heard{event, hwnd, child});
    }
}
bool WasHeard(DWORD event, HWND hwnd, LONG child = CHILDID_SELF) {
    test::PumpFor(50ms);
    return std::find(g_heard.begin(), g_heard.end(), Heard{event, hwnd, child}) != g_heard.end();
}

class DialogForScreenReaders : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = FromCp932(
            test::ScratchFolder(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        settings.BgmFolder = folder;
        dialog = std::make_unique<Lumovane_P>(settings, apiResult, folder);
        dialog->Show();
        test::PumpFor(100ms);
        g_heard.clear();
        hook = ::SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr, &Hear,
                                 ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    }
    void TearDown() override {
        ::UnhookWinEvent(hook);
        dialog.reset();
    }
    // The panel's child id of the mark of a kind, found by its name as a screen reader finds it.
    long KindId(const Object& panel, int kind) {
        LONG count = 0;
        panel->get_accChildCount(&count);
        for (long id = 1; id <= count; ++id) {
            if (Role(panel, id) == ROLE_SYSTEM_RADIOBUTTON &&
                Name(panel, id) == dialog->lbl_BGM[kind].Caption()) {
                return id;
            }
        }
        return 0;
    }

    std::wstring folder;
    BgmSettings settings;
    std::int32_t apiResult = 0;
    std::unique_ptr<Lumovane_P> dialog;
    HWINEVENTHOOK hook = nullptr;
};

TEST_F(DialogForScreenReaders, ButtonsArePushButtonsThatTheirDefaultActionClicks) {
    const Object save(dialog->Cmd_Set.Hwnd());
    const Object file(dialog->Cmd_File[0].Hwnd());
    ASSERT_TRUE(save && file);
    // Names, roles and action names are read from another process (the end-to-end test).
    EXPECT_EQ(State(save) & (STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE),
              STATE_SYSTEM_FOCUSABLE);
    EXPECT_NE(State(file) & STATE_SYSTEM_UNAVAILABLE, 0); // kind 0: its window stays enabled

    int saves = 0;
    int files = 0;
    dialog->Cmd_Set.OnClick = [&] { ++saves; };
    dialog->Cmd_File[0].OnClick = [&] { ++files; };
    EXPECT_EQ(save->accDoDefaultAction(Child()), S_OK);
    EXPECT_EQ(file->accDoDefaultAction(Child()), E_FAIL); // disabled: nothing, as for a click
    test::PumpFor(50ms);
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(files, 0);

    dialog->Cmd_File[0].SetButtonEnabled(true);
    EXPECT_TRUE(WasHeard(EVENT_OBJECT_STATECHANGE, dialog->Cmd_File[0].Hwnd()));
    EXPECT_EQ(State(file) & STATE_SYSTEM_UNAVAILABLE, 0);
    EXPECT_EQ(file->accDoDefaultAction(Child()), S_OK);
    test::PumpFor(50ms);
    EXPECT_EQ(files, 1);

    ::SetFocus(dialog->Cmd_Set.Hwnd());
    EXPECT_NE(State(save) & STATE_SYSTEM_FOCUSED, 0);
    EXPECT_TRUE(WasHeard(EVENT_OBJECT_FOCUS, dialog->Cmd_Set.Hwnd()));
}

TEST_F(DialogForScreenReaders, TheKindsAreRadioButtonsThePanelStandsFor) {
    const Object panel(dialog->Panel.Hwnd());
    ASSERT_TRUE(panel);
    EXPECT_EQ(Role(panel), ROLE_SYSTEM_GROUPING);
    EXPECT_EQ(Name(panel), L"BGM");
    const long none = KindId(panel, 0);
    const long cd = KindId(panel, 1);
    const long file = KindId(panel, 2);
    ASSERT_TRUE(none != 0 && cd != 0 && file != 0);
    EXPECT_NE(State(panel, none) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(State(panel, cd) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(State(panel, file) & STATE_SYSTEM_CHECKED, 0);

    // The marks have no window: the panel places them, finds them under a point and runs them.
    RECT mark = dialog->Img_BGM[1].PixelRect();
    ::MapWindowPoints(dialog->Panel.Hwnd(), nullptr, reinterpret_cast<POINT*>(&mark), 2);
    LONG x = 0, y = 0, w = 0, h = 0;
    ASSERT_EQ(panel->accLocation(&x, &y, &w, &h, Child(cd)), S_OK);
    const RECT placed{x, y, x + w, y + h};
    EXPECT_TRUE(::EqualRect(&placed, &mark));
    VARIANT hit;
    ::VariantInit(&hit);
    ASSERT_EQ(panel->accHitTest(mark.left + 3, mark.top + 3, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, cd);
    VARIANT next;
    ::VariantInit(&next);
    ASSERT_EQ(panel->accNavigate(NAVDIR_NEXT, Child(cd), &next), S_OK);
    ASSERT_EQ(next.vt, VT_DISPATCH); // the label beside it: a window, handed as its own object
    ::VariantClear(&next);

    EXPECT_EQ(panel->accDoDefaultAction(Child(cd)), S_OK);
    test::PumpFor(50ms);
    EXPECT_EQ(settings.BgmKind, 1);
    EXPECT_NE(State(panel, cd) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_EQ(State(panel, none) & STATE_SYSTEM_CHECKED, 0);
    EXPECT_TRUE(WasHeard(EVENT_OBJECT_STATECHANGE, dialog->Panel.Hwnd(), cd));
    EXPECT_TRUE(WasHeard(EVENT_OBJECT_STATECHANGE, dialog->Panel.Hwnd(), none));
    EXPECT_TRUE(WasHeard(EVENT_OBJECT_STATECHANGE, dialog->BGM_Repeat.Hwnd()));
    const Object track(dialog->BGM_Repeat.Hwnd());
    EXPECT_EQ(State(track) & STATE_SYSTEM_UNAVAILABLE, 0);
}

TEST_F(DialogForScreenReaders, TheTrackBoxThePathAndTheLinkGiveWhatTheyHold) {
    dialog->lbl_Fname[0].SetCaption(L"C:\\Music\\loop.mp3");
    dialog->BGM_Repeat.SetText(L"7");
    const Object track(dialog->BGM_Repeat.Hwnd());
    EXPECT_EQ(Text(&IAccessible::get_accValue, track), L"7");
    // The focus lies in the box's text field, which answers as the box.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ASSERT_TRUE(::GetComboBoxInfo(dialog->BGM_Repeat.Hwnd(), &parts));
    EXPECT_EQ(Name(Object(parts.hwndItem)), dialog->lbl[14].Caption());

    const Object path(dialog->lbl_Fname[0].Hwnd());
    EXPECT_EQ(Text(&IAccessible::get_accValue, path), L"C:\\Music\\loop.mp3");

    const Object link(dialog->lbl_URL.Hwnd());
    EXPECT_EQ(Role(link), ROLE_SYSTEM_LINK);
    int opened = 0;
    dialog->lbl_URL.OnClick = [&] { ++opened; };
    EXPECT_EQ(link->accDoDefaultAction(Child()), S_OK);
    test::PumpFor(50ms);
    EXPECT_EQ(opened, 1);
}

TEST_F(DialogForScreenReaders, QuestionsOutOfPlaceOrTooLateGetErrorsNotCrashes) {
    const Object panel(dialog->Panel.Hwnd());
    const Object save(dialog->Cmd_Set.Hwnd());
    LONG count = 0;
    ASSERT_EQ(panel->get_accChildCount(&count), S_OK);
    BSTR name = nullptr;
    EXPECT_EQ(panel->get_accName(Child(count + 1), &name), E_INVALIDARG);
    EXPECT_EQ(panel->get_accName(Child(-7), &name), E_INVALIDARG);
    VARIANT text;
    text.vt = VT_BSTR;
    text.bstrVal = nullptr;
    EXPECT_EQ(save->accDoDefaultAction(text), E_INVALIDARG);

    dialog->Unload(); // the windows go; the objects stay with whoever holds them
    EXPECT_EQ(save->get_accName(Child(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(save->accDoDefaultAction(Child()), CO_E_OBJNOTCONNECTED);
    dialog.reset(); // and the controls too
    EXPECT_EQ(panel->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(panel->get_accName(Child(1), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
}

} // namespace
} // namespace lumo
