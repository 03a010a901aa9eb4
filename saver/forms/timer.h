#pragma once
// A timer control: ticks every Interval milliseconds while Enabled, on the user-interface
// thread, as WM_TIMER messages of its form's window. A tick never starts while the previous one
// still runs (a handler that pumps messages, a message box say, would otherwise re-enter).

#include <windows.h>

#include <functional>

namespace lumo {

class Form;

class Timer {
  public:
    Timer(Form& form, unsigned intervalMs, bool enabled);
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
    friend class Form;
    void Arm();    // sets the system timer when enabled and the form has a window
    void Disarm(); // kills it
    void Tick();   // WM_TIMER for this timer's id
    UINT_PTR Id() const { return id_; }

    Form& form_;
    UINT_PTR id_;
    unsigned interval_;
    bool enabled_;
    bool armed_ = false;
    bool ticking_ = false;
};

} // namespace lumo
