#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Timer.h"
#include "framework/Window.h"

class Canvas;
class Label;
class PropertyRecord;

// The About window, which is also the start-up splash: the logo and a notice line. It
// gives way to the calculator window when its one-shot timer fires or at the first
// mouse-down or key-down in it.
class AboutWnd : public Window {
  public:
    // The timer as one of the window's controls: created for the window, kept and
    // found by name like the visible ones.
    class _wrapper_Timer1 : public Timer {
      public:
        _wrapper_Timer1(ControlKey key, Window& owner) : Timer(key, owner) {}
    };

    std::string ClassName() const override { return "AboutWnd.AboutWnd"; }

    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();

    virtual std::shared_ptr<Label> StaticText2() const;
    virtual std::shared_ptr<Timer> Timer1() const;
    virtual std::shared_ptr<Canvas> Canvas1() const;

    virtual void Timer1_Action(Timer& timer);
    bool Event_MouseDown(std::int64_t x, std::int64_t y) override;
    bool Event_KeyDown(const std::string& key) override;

  private:
    static const PropertyRecord& WindowRecord();
    static const PropertyRecord& StaticText2Record();
    static const PropertyRecord& Timer1Record();
    static const PropertyRecord& Canvas1Record();

    // What the timer and both input events do.
    static void GiveWayToCalculator();
};

// The About window's single instance, created on first use.
std::shared_ptr<class AboutWnd> AboutWnd();
