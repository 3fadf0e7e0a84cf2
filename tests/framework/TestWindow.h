#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/PropertyRecord.h"
#include "framework/Window.h"

// A window whose construction events and window events tests can script. Each event
// is logged by name so that tests can check what ran and in which order.
class TestWindow : public Window {
  public:
    explicit TestWindow(std::string className = "TestWindow.TestWindow")
        : className_(std::move(className)) {}

    std::string ClassName() const override { return className_; }

    void Layout() override {
        log.push_back("Layout");
        SetProperties(*this, record.Bytes());
        if (onLayout) onLayout(*this);
    }
    void CreateControls() override {
        log.push_back("CreateControls");
        if (onCreateControls) onCreateControls(*this);
    }
    void AddMenuHandlers(Window& window) override {
        log.push_back("AddMenuHandlers");
        if (onAddMenuHandlers) onAddMenuHandlers(window);
    }
    void Event_Close() override {
        log.push_back("Close");
        if (onClose) onClose();
    }
    bool Event_MouseDown(std::int64_t x, std::int64_t y) override {
        log.push_back("MouseDown " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
    bool Event_KeyDown(const std::string& key) override {
        log.push_back("KeyDown " + key);
        return false;
    }

    PropertyRecord record{Int("Width", 300), Int("Height", 200), Text("Title", "Test"),
                          Bool("Visible", true)};
    std::function<void(TestWindow&)> onLayout;
    std::function<void(TestWindow&)> onCreateControls;
    std::function<void(Window&)> onAddMenuHandlers;
    std::function<void()> onClose;
    std::vector<std::string> log;

  private:
    std::string className_;
};

// Constructs a window as the system's single-instance accessors do.
inline std::shared_ptr<TestWindow> MakeTestWindow(std::function<void(TestWindow&)> configure = {},
                                                  std::string className = "TestWindow.TestWindow") {
    auto window = std::make_shared<TestWindow>(std::move(className));
    if (configure) configure(*window);
    window->Constructor();
    return window;
}
