#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/EventSlot.h"
#include "framework/PropertyRecord.h"

class Window;

// What a control's constructor asks for, and only Window::New can give: a control made
// any other way would never be linked to its widget, and would swallow every event.
class ControlKey {
  public:
    ControlKey(const ControlKey&) = default;

  private:
    friend class Window;
    ControlKey() = default;
};

// Anything a window holds by name: the visible controls and its timers. A control
// belongs to one window, which it refers to weakly.
class Control : public PropertyTarget, public std::enable_shared_from_this<Control> {
  public:
    ~Control() override;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // The toolkit's default constructor, run after Window::New (see LinkWidget); does
    // nothing beyond the toolkit's.
    virtual void Constructor();

    const std::string& Name() const { return name_; }
    std::int64_t Index() const { return index_; }
    // The window this control belongs to, or none once the window has closed.
    std::shared_ptr<Window> ownerWindow() const { return owner_.lock(); }

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    // Raised once the window's construction is complete.
    virtual void RaiseOpen() {}

  protected:
    Control(ControlKey key, Window& owner);

    // Window::New's own last step, before anything else sees the control: links the
    // control's widget back to it, which a C++ constructor cannot do, since the control's
    // overrides and its shared ownership do not exist yet while its bases are being built.
    // Not to be confused with Constructor, the toolkit's default constructor, which a
    // window's code may override and AddNewControl runs after it.
    virtual void LinkWidget() {}

    // Applies one property; false when this kind of control has no such property.
    virtual bool ApplyProperty(std::string_view name, const PropertyValue& value);

  private:
    friend class Window;
    void SetName(std::string name) { name_ = std::move(name); }

    std::weak_ptr<Window> owner_;
    std::string name_;
    std::int64_t index_ = kNoControlArray;
};
