#include "frame_wait.h"

#include <algorithm>

namespace lumo {
namespace {

// Windows 10 (1803) on; older systems refuse the flag, and get a plain timer.
constexpr DWORD kHighResolutionTimer = 0x00000002;

void WaitForQueue(DWORD handleCount, const HANDLE* handles, DWORD milliseconds) {
    MsgWaitForMultipleObjectsEx(handleCount, handles, milliseconds, QS_ALLINPUT,
                                MWMO_INPUTAVAILABLE);
}

} // namespace

FrameWait::FrameWait() {
    constexpr DWORD kAccess = TIMER_MODIFY_STATE | SYNCHRONIZE;
    timer_.Reset(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, kAccess));
    if (!timer_.Valid()) {
        timer_.Reset(CreateWaitableTimerExW(nullptr, nullptr, 0, kAccess));
    }
}

void FrameWait::Wait(std::int64_t ticks, std::int64_t countFrequency) const {
    if (ticks <= 0 || countFrequency <= 0) {
        return;
    }
    // Rounded up, so that a time-out never ends the wait before the frame is due.
    const auto milliseconds =
        static_cast<DWORD>((ticks * 1000 + countFrequency - 1) / countFrequency);
    LARGE_INTEGER due;
    due.QuadPart =
        -std::max<std::int64_t>(ticks * 10'000'000 / countFrequency, 1); // 100 ns, relative
    const HANDLE timer = timer_.Get();
    if (timer_.Valid() && SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE) != FALSE) {
        // The time-out stands by, a little later, should the timer never ring.
        WaitForQueue(1, &timer, milliseconds + 1);
    } else {
        WaitForQueue(0, nullptr, milliseconds);
    }
}

void FrameWait::WaitForMessage() {
    WaitForQueue(0, nullptr, INFINITE);
}

} // namespace lumo
