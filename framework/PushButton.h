#pragma once

#include <cstdint>
#include <string>

#include "framework/EventSlot.h"
#include "framework/RectControl.h"

class QPushButton;

// A push button (QPushButton) that acts when the mouse button goes down on it, or when
// assistive technology (a screen reader, voice control) presses it.
class PushButton : public RectControl {
  public:
    PushButton(ControlKey key, Window& owner);
    ~PushButton() override;

    std::string Caption() const;

    // The press, at x and y within the button (its centre for assistive technology's).
    // True consumes it; false lets the button go on with its own handling (drawing
    // itself pressed), as long as the mouse button is still held: not after the handler
    // ran a modal window.
    EventSlot<bool(PushButton&, std::int64_t, std::int64_t)> MouseDown;

    bool RaiseMouseDown(std::int64_t x, std::int64_t y);

  protected:
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;
    // Outside the tab order a button does not take the focus when clicked either, so a
    // click never moves the focus out of the field the user is typing in.
    void UpdateFocusPolicy() override;

  private:
    QPushButton& button() const;
};

// Gives assistive technology the buttons' Press. Qt keeps the first description of a
// widget, which it may ask for as soon as the widget gets its parent, and forgets how
// to describe ours when its application goes: the runtime calls this with each Qt
// application it makes, before any window.
void DescribePushButtonsToAssistiveTechnology();
