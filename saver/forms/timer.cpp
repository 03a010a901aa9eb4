#include "timer.h"

#include <algorithm>

namespace lumo {

namespace {
UINT_PTR NextTimerId() {
    static UINT_PTR next = 0x4C00; // clear of ids other code might pick by hand
    return ++next;
}
} // namespace

void TimerOwner::ArmTimers() {
    for (Timer* timer : timers_) {
        timer->Arm();
    }
}

void TimerOwner::DisarmTimers() {
    for (Timer* timer : timers_) {
        timer->Disarm();
    }
}

void TimerOwner::TickTimer(UINT_PTR id) {
    const auto found =
        std::find_if(timers_.begin(), timers_.end(), [id](Timer* t) { return t->id_ == id; });
    if (found != timers_.end()) {
        (*found)->Tick();
    }
}

Timer::Timer(TimerOwner& owner, unsigned intervalMs, bool enabled)
    : owner_(owner), id_(NextTimerId()), interval_(intervalMs), enabled_(enabled) {
    owner_.timers_.push_back(this);
}

Timer::~Timer() {
    Disarm();
    auto& timers = owner_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (enabled_) {
        Arm();
    } else {
        Disarm();
    }
}

void Timer::SetInterval(unsigned intervalMs) {
    interval_ = intervalMs;
    Disarm();
    Arm();
}

void Timer::Arm() {
    const HWND hwnd = owner_.TimerWindow();
    if (armed_ || !enabled_ || interval_ == 0 || hwnd == nullptr) {
        return;
    }
    armed_ = ::SetTimer(hwnd, id_, interval_, nullptr) != 0;
}

void Timer::Disarm() {
    if (armed_) {
        const HWND hwnd = owner_.TimerWindow();
        if (hwnd != nullptr) {
            ::KillTimer(hwnd, id_);
        }
        armed_ = false;
    }
}

void Timer::Tick() {
    if (!enabled_ || ticking_ || !OnTimer) {
        return;
    }
    ticking_ = true;
    try {
        OnTimer();
    } catch (...) {
        // A failing tick ends that tick only; the next one comes as usual.
    }
    ticking_ = false;
}

} // namespace lumo
