#pragma once

#include <memory>
#include <utility>

class Control;

// The widget side of a control whose widget raises the control's events. The link is
// weak: a handler may close the window and release the control while the widget is
// inside one of its own events, which then goes no further.
class ControlLink {
  public:
    virtual ~ControlLink() = default;

    // Set once, when Window::New has made the control (RectControl::LinkWidget).
    void Link(std::weak_ptr<Control> control) { control_ = std::move(control); }

  protected:
    // The control, or none once it has been released.
    template <class T>
    std::shared_ptr<T> Linked() const {
        return std::static_pointer_cast<T>(control_.lock());
    }
    bool Released() const { return control_.expired(); }

  private:
    std::weak_ptr<Control> control_;
};
