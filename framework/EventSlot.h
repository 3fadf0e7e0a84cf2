#pragma once

#include <functional>
#include <memory>
#include <utility>

// One control event with at most one attached handler. A raised event with no
// handler reports "not handled" (the result type's default: false).
template <class Signature>
class EventSlot;

template <class R, class... Args>
class EventSlot<R(Args...)> {
  public:
    using Handler = std::function<R(Args...)>;

    void Attach(Handler handler) { handler_ = std::move(handler); }
    bool IsAttached() const { return static_cast<bool>(handler_); }

    R Raise(Args... args) const {
        if (!handler_) {
            return R();
        }
        return handler_(std::forward<Args>(args)...);
    }

  private:
    Handler handler_;
};

// A window's handler operation bound to the window. The binding is weak: a control
// never keeps its closed window alive, and an event raised after the window has gone
// is not handled.
template <class W, class Base, class R, class... Args>
std::function<R(Args...)> Delegate(Base* window, R (W::*method)(Args...)) {
    std::weak_ptr<W> weak = std::static_pointer_cast<W>(window->shared_from_this());
    return [weak, method](Args... args) -> R {
        if (auto self = weak.lock()) {
            return ((*self).*method)(std::forward<Args>(args)...);
        }
        return R();
    };
}
