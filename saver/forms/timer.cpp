#include "timer.h"

#include "form.h"

namespace lumo {

namespace {
UINT_PTR NextTimerId() {
    static UINT_PTR next = 0x4C00; // clear of ids other code might pick by hand
    return ++next;
}
} // namespace

Timer::Timer(Form& form, unsigned intervalMs, bool enabled)
    : form_(form), id_(NextTimerId()), interval_(intervalMs), enabled_(enabled) {
    form_.AddTimer(*this);
}

Timer::~Timer() {
    Disarm();
    form_.RemoveTimer(*this);
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
    const HWND hwnd = form_.Hwnd();
    if (armed_ || !enabled_ || interval_ == 0 || hwnd == nullptr) {
        return;
    }
    armed_ = ::SetTimer(hwnd, id_, interval_, nullptr) != 0;
}

void Timer::Disarm() {
    if (armed_) {
        const HWND hwnd = form_.Hwnd();
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
