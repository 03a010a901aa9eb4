// The registrations for the display's state, made through stand-ins for the system's calls (Wine
// accepts any and sends nothing): both notices asked for, and every one made given back once.

#include "display_notice.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

std::vector<GUID> registered;
std::vector<HPOWERNOTIFY> released;
bool refuseConsoleDisplayState = false;

HPOWERNOTIFY WINAPI FakeRegister(HANDLE, LPCGUID setting, DWORD flags) {
    EXPECT_EQ(flags, static_cast<DWORD>(DEVICE_NOTIFY_WINDOW_HANDLE));
    registered.push_back(*setting);
    if (refuseConsoleDisplayState && IsEqualGUID(*setting, kConsoleDisplayState)) {
        return nullptr;
    }
    return reinterpret_cast<HPOWERNOTIFY>(registered.size());
}

BOOL WINAPI FakeUnregister(HPOWERNOTIFY handle) {
    released.push_back(handle);
    return TRUE;
}

TEST(DisplayNotice, BothNoticesAreAskedForAndEveryRegistrationIsGivenBackOnce) {
    registered.clear();
    released.clear();
    refuseConsoleDisplayState = false;
    {
        lumo::DisplayNotice notice(FakeRegister, FakeUnregister);
        notice.Register(reinterpret_cast<HWND>(1));
        ASSERT_EQ(registered.size(), 2u);
        EXPECT_TRUE(IsEqualGUID(registered[0], kConsoleDisplayState));
        EXPECT_TRUE(IsEqualGUID(registered[1], kMonitorPowerOn));
        notice.Reset();
        EXPECT_EQ(released.size(), 2u);
    }
    EXPECT_EQ(released.size(), 2u) << "given back twice";

    // A system that refuses one registration still gets the other, and only that is given back.
    registered.clear();
    released.clear();
    refuseConsoleDisplayState = true;
    {
        lumo::DisplayNotice notice(FakeRegister, FakeUnregister);
        notice.Register(reinterpret_cast<HWND>(1));
        EXPECT_EQ(registered.size(), 2u);
    }
    EXPECT_EQ(released, (std::vector<HPOWERNOTIFY>{reinterpret_cast<HPOWERNOTIFY>(2)}));
}

} // namespace
