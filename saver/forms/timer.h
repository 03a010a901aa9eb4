#pragma once
// A timer control: ticks every Interval milliseconds while Enabled, on the user-interface
// thread, as WM_TIMER messages of its owner's window. A tick never starts while the previous one
// still runs (a handler that pumps messages, a message box say, would otherwise re-enter).

#include <windows.h>

#include <functional>
#include <vector>

namespace lumo {

class Timer;

// What timers are set on (a form): a window, whose WM_TIMER messages the owner hands to its
// timers. The owner arms them once their ticks can be handled and disarms them when its window
// goes.
class TimerOwner {
  public:
    TimerOwner(const TimerOwner&) = delete;
    TimerOwner& operator=(const TimerOwner&) = delete;

    // The window the timers are set on; null while there is none.
    virtual HWND TimerWindow() const = 0;

  protected:
    TimerOwner() = default;
    ~TimerOwner() = default;

    void ArmTimers();
    void DisarmTimers();
    // WM_TIMER of the owner's window, for one of its timers or another.
    void TickTimer(UINT_PTR id);

  private:
    friend class Timer; // a timer joins its owner while it lives
    std::vector<Timer*> timers_;
};

class Timer {
  public:
    Timer(TimerOwner& owner, unsigned intervalMs, bool enabled);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    ~Timer();

    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // A new interval restarts the count; 0 stops the ticks while keeping Enabled.
    void SetInterval(unsigned intervalMs);
    unsigned Interval() const { return interval_; }

    // The Timer event.
    std::function<void()> OnTimer;

  private:
    friend class TimerOwner;
    void Arm();    // sets the system timer when enabled and the owner has a window
    void Disarm(); // kills it
    void Tick();   // WM_TIMER for this timer's id

    TimerOwner& owner_;
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_;
    bool armed_ = false;
    bool ticking_ = false;
};

} // namespace lumo
