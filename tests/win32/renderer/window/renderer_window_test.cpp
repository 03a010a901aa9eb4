// The renderer's own windows and loop, run in this process, handed the display-state notices the
// system sends (Wine never sends them): nothing is drawn while the display is off, a dimmed
// display is still drawn, the animation goes on without a jump when the display is back, and Esc
// ends the scene in the dark too.

#include "program_contract.h"
#include "recording_hooks.h"
#include "renderer_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>

namespace {

constexpr GUID kConsoleDisplayState = {
    0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
constexpr GUID kMonitorPowerOn = {
    0x02731015, 0x4510, 0x4526, {0x99, 0xe6, 0xe5, 0xa1, 0x7e, 0xbd, 0x1a, 0xea}};

void SendPowerSetting(const GUID& which, DWORD state, DWORD length = sizeof(DWORD)) {
    alignas(POWERBROADCAST_SETTING) unsigned char
        notice[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(notice);
    setting->PowerSetting = which;
    setting->DataLength = length;
    std::memcpy(notice + offsetof(POWERBROADCAST_SETTING, Data), &state, sizeof state);
    const HWND scene = FindWindowA(lumo::kRendererWindowClass, lumo::kRendererWindowTitle);
    ASSERT_NE(scene, nullptr);
    SendMessageA(scene, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                 reinterpret_cast<LPARAM>(notice));
}

std::size_t PrimaryFrames() {
    std::size_t n = 0;
    for (const auto& frame : lumo::testing::DrawnFrames()) {
        n += frame.view == 0 ? 1 : 0;
    }
    return n;
}

// The step of the primary's frame number `index` (0 the first).
float PrimaryStep(std::size_t index) {
    for (const auto& frame : lumo::testing::DrawnFrames()) {
        if (frame.view == 0 && index-- == 0) {
            return frame.seconds;
        }
    }
    return -1.0f;
}

// The script, one step a tick of a thread timer, which the renderer's own loop dispatches.
struct Script {
    int step = 0;
    ULONGLONG since = 0;
    ULONGLONG started = 0;
    std::size_t frames = 0;
    bool done = false;
};
Script script;

void Next(int step) {
    script.step = step;
    script.since = GetTickCount64();
    script.frames = PrimaryFrames();
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    const ULONGLONG waited = GetTickCount64() - script.since;
    const std::size_t frames = PrimaryFrames();
    const HWND scene = FindWindowA(lumo::kRendererWindowClass, lumo::kRendererWindowTitle);
    if (scene == nullptr) {
        return;
    }
    if (GetTickCount64() - script.started > 60'000) {
        ADD_FAILURE() << "the script stopped at step " << script.step;
        PostMessageA(scene, WM_KEYDOWN, VK_ESCAPE, 0);
        return;
    }
    switch (script.step) {
    case 0: // running: the display goes off
        if (frames >= 3) {
            SendPowerSetting(kConsoleDisplayState, 0);
            Next(1);
        }
        break;
    case 1: // dark for a while: not one frame; then dimmed, which is still seen
        if (waited >= 500) {
            EXPECT_EQ(frames, script.frames) << "frames drawn while the display was off";
            SendPowerSetting(kConsoleDisplayState, 2);
            Next(2);
        }
        break;
    case 2: // dimmed draws; a state the system may add later, or a short notice, changes nothing
        if (frames >= script.frames + 3) {
            SendPowerSetting(kConsoleDisplayState, 7);
            SendPowerSetting(kConsoleDisplayState, 0, 0);
            Next(3);
        }
        break;
    case 3: // still drawing; off again, for long
        if (frames >= script.frames + 3) {
            SendPowerSetting(kConsoleDisplayState, 0);
            Next(4);
        }
        break;
    case 4: // back on through the older monitor power notice
        if (waited >= 1500) {
            EXPECT_EQ(frames, script.frames) << "frames drawn while the display was off";
            SendPowerSetting(kMonitorPowerOn, 1);
            Next(5);
        }
        break;
    case 5: // the first frame after the dark does not carry the dark time; Esc in the dark
        if (frames > script.frames) {
            EXPECT_LT(PrimaryStep(script.frames), 1.0f)
                << "the animation jumped by the time the display was off";
            SendPowerSetting(kConsoleDisplayState, 0);
            PostMessageA(scene, WM_KEYDOWN, VK_ESCAPE, 0);
            script.done = true;
            Next(6);
        }
        break;
    default:
        break;
    }
}

TEST(RendererWindow, RestsWhileTheDisplayIsOffAndGoesOnWhereItStopped) {
    script = Script{};
    script.started = GetTickCount64();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
    ASSERT_NE(timer, 0u);
    const int exitCode = lumo::RunRenderer(GetModuleHandleA(nullptr));
    KillTimer(nullptr, timer);

    EXPECT_TRUE(script.done) << "the scene ended at step " << script.step;
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(FindWindowA(lumo::kRendererWindowClass, lumo::kRendererWindowTitle), nullptr);
}

} // namespace
