#pragma once
// A declared event of a test control: the host (the form) sets its handler, the control raises it.
// Raising an event nobody handles does nothing, as in the form runtime.

#include <functional>
#include <utility>

namespace lumo {

template <class... Args> class Event {
  public:
    template <class Handler> Event& operator=(Handler handler) {
        handler_ = std::move(handler);
        return *this;
    }
    void Raise(Args... args) const {
        if (handler_) {
            handler_(args...);
        }
    }
    explicit operator bool() const { return static_cast<bool>(handler_); }

  private:
    std::function<void(Args...)> handler_;
};

} // namespace lumo
