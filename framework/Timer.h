#pragma once

#include <cstdint>

#include "framework/Control.h"
#include "framework/EventSlot.h"

class QTimer;

// A timer that belongs to a window: it runs while the window is hidden and dies
// with it. RunMode 0 is off, 1 fires once, 2 fires every Period milliseconds.
// Changing RunMode, Period or Enabled arms it afresh. It never fires before its
// period has passed.
class Timer : public Control {
  public:
    Timer(ControlKey key, Window& owner);
    ~Timer() override;

    void RunMode(std::int64_t mode);
    std::int64_t RunMode() const { return runMode_; }
    void Period(std::int64_t milliseconds);
    std::int64_t Period() const { return period_; }
    void Enabled(bool enabled);
    bool Enabled() const { return enabled_; }
    bool IsArmed() const;

    // Delivered through the event loop.
    EventSlot<void(Timer&)> Action;

    // Lets the period elapse at once: an armed timer fires through the event loop
    // as if its time had come. False when the timer is not armed.
    bool ElapseNow();

    // Stops the timer for good; its window is closing.
    void Stop();

  protected:
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;

  private:
    void Rearm();
    void Fire();

    QTimer* timer_;
    std::int64_t runMode_ = 0;
    std::int64_t period_ = 1000;
    bool enabled_ = true;
    bool stopped_ = false;
};
