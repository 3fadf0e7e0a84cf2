#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Cast.h"
#include "framework/Control.h"
#include "framework/MenuBar.h"
#include "framework/PropertyRecord.h"
#include "framework/UiThread.h"

class QWidget;
class WindowWidget;

// A top-level window (a QMainWindow). A system window derives from it, creates its
// controls from stored property records in its construction events, and is kept as
// the single instance of its class until it is closed.
class Window : public PropertyTarget, public std::enable_shared_from_this<Window> {
  public:
    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The name under which the runtime keeps the class's single instance
    // ("ControlWnd.ControlWnd").
    virtual std::string ClassName() const = 0;

    // Constructs the window: raises Layout, CreateControls and AddMenuHandlers, then
    // the controls' Open events; names its text fields by their captions for assistive
    // technology; keeps the window as its class's instance; shows it if its record made
    // it visible. A construction event that raises closes the half-built window and
    // passes the exception on; one that closes the window ends the construction there.
    void Constructor();

    // Visible, no longer minimised, and in front.
    void Show();
    // Hidden; the window, its controls and its timers are kept.
    void Hide();
    // Raises Close, then ends the window with its controls and timers. When no
    // window of the application remains, shown or hidden, the application ends.
    void Close();

    bool Visible() const;
    bool IsClosed() const { return closed_; }
    std::string Title() const;

    // The window's menu bar, shown in the window.
    std::shared_ptr<::MenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<::MenuBar> bar);
    // The entry of that name in the window's menu bar, checked against class T.
    template <class T>
    std::shared_ptr<T> MenuItemByName(std::string_view name) const;

    // A new, not yet constructed control of class T for this window; the only way to
    // make a control. A closed window has no room for one: NilObjectException.
    template <class T>
    std::shared_ptr<T> New() {
        CheckOpen();
        auto control = std::make_shared<T>(ControlKey{}, *this);
        static_cast<Control&>(*control).LinkWidget();
        return control;
    }
    // A new control of class T, constructed and registered under the name; the window
    // keeps it, and later steps may find it by its name.
    template <class T>
    std::shared_ptr<T> AddNewControl(const std::string& name) {
        auto control = New<T>();
        control->Constructor();
        AddControl(name, control);
        return control;
    }
    // The same, with the control's stored record then applied.
    template <class T>
    std::shared_ptr<T> AddNewControl(const std::string& name, const PropertyRecord& record) {
        auto control = AddNewControl<T>(name);
        SetProperties(*control, record);
        return control;
    }
    // Registers the control under the name; the window keeps it.
    void AddControl(const std::string& name, std::shared_ptr<Control> control);
    // The control registered under the name, or none.
    std::shared_ptr<Control> ControlByName(std::string_view name) const;
    // The control registered under the name, checked against class T.
    template <class T>
    std::shared_ptr<T> ControlByName(std::string_view name) const {
        return Cast<T>(ControlByName(name));
    }
    const std::vector<std::shared_ptr<Control>>& Controls() const { return controls_; }

    // A menu command of the item so named reaches the handler; true means handled.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    std::vector<std::string> MenuHandlerNames() const;
    bool HasMenuHandler(std::string_view itemName) const;
    // Runs the handler registered under the name; false when there is none or it
    // did not handle the command.
    bool InvokeMenuHandler(std::string_view itemName);

    // The Qt window and the widget that holds the controls (the content area).
    QWidget* NativeWindow() const;
    QWidget* ContentWidget() const;

    void SetProperty(std::string_view name, const PropertyValue& value) override;

    // Window events, raised by the framework.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(Window& window) { (void)window; }
    virtual void Event_Close() {}
    // False: not handled.
    virtual bool Event_MouseDown(std::int64_t x, std::int64_t y) {
        (void)x;
        (void)y;
        return false;
    }
    virtual bool Event_KeyDown(const std::string& key) {
        (void)key;
        return false;
    }

  private:
    friend class WindowWidget;
    friend class RectControl;
    friend void DisposeAllWindows();
    // NilObjectException once the window has closed.
    void CheckOpen() const;
    // The first placement: the record's size, centred on the screen.
    void Place();
    void ApplyGeometry();
    void ApplyWindowFlags();
    void ApplyBackground();
    void UpdateTabOrder();
    // A text field without an accessible name of its own is announced by its caption:
    // of the labels whose rows overlap the field's and that end left of it, the nearest.
    // Kept up to date as controls are added, moved or retitled after construction.
    void NameFieldsByCaptions();
    void ControlsChanged();
    void Dispose();

    WindowWidget* widget_;
    std::shared_ptr<::MenuBar> menuBar_;
    std::vector<std::shared_ptr<Control>> controls_;
    std::vector<std::pair<std::string, std::function<bool()>>> menuHandlers_;
    std::int64_t width_ = 300, height_ = 300;
    std::int64_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
    bool hasClose_ = true, hasMaximize_ = true, hasMinimize_ = true, resizeable_ = true;
    bool visibleOnConstruction_ = true;
    bool menuBarVisible_ = true;
    bool constructed_ = false;
    bool closed_ = false;
    bool placed_ = false;
    bool hasBackgroundColor_ = false;
    Color backgroundColor_ = kWhite;
};

// The open window kept under the class name, or none; never a closed one.
std::shared_ptr<Window> GetImplicitWindow(std::string_view className);
// Every open window, shown or hidden.
std::vector<std::shared_ptr<Window>> OpenWindows();

// The single instance of window class W, kept under its class name: the open one, or
// a new one constructed now. The caller's reference is its own; the runtime keeps the
// window until it is closed.
template <class W>
std::shared_ptr<W> ImplicitInstance(std::string_view className) {
    auto window = GetImplicitWindow(className);
    if (!window) {
        auto created = std::make_shared<W>();
        created->Constructor();
        window = created;
    }
    return Cast<W>(window);
}

template <class T>
std::shared_ptr<T> Window::MenuItemByName(std::string_view name) const {
    std::shared_ptr<MenuItem> item;
    if (menuBar_) {
        item = menuBar_->FindByName(name);
    }
    return Cast<T>(item);
}
