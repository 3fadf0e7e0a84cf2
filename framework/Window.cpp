#include "framework/Window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "framework/Application.h"
#include "framework/Control.h"
#include "framework/Label.h"
#include "framework/RectControl.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/RuntimeState.h"
#include "framework/TextField.h"
#include "framework/Timer.h"
#include "framework/WindowWidget.h"

namespace {

// Every constructed window that has not been closed, in the order of construction.
// Never destroyed, like the runtime's state: an exit() with windows open must not
// end them after Qt is gone.
std::vector<std::shared_ptr<Window>>& OpenWindowList() {
    static auto* windows = new std::vector<std::shared_ptr<Window>>;
    return *windows;
}

int Clamp(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, QWIDGETSIZE_MAX));
}

}  // namespace

std::shared_ptr<Window> GetImplicitWindow(std::string_view className) {
    CheckUIThread();
    for (const auto& window : OpenWindowList()) {
        if (!window->IsClosed() && window->ClassName() == className) {
            return window;
        }
    }
    return nullptr;
}

std::vector<std::shared_ptr<Window>> OpenWindows() { return OpenWindowList(); }

void DisposeAllWindows() {
    auto windows = OpenWindowList();
    for (const auto& window : windows) {
        window->Dispose();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Window::Window() : widget_(nullptr) {
    CheckUIThread();
    widget_ = new WindowWidget;
    ApplyWindowFlags();
    ApplyGeometry();
}

Window::~Window() {
    if (widget_ != nullptr) {
        widget_->SetOwner({});
        widget_->deleteLater();
    }
}

void Window::Constructor() {
    CheckUIThread();
    widget_->SetOwner(weak_from_this());
    // Any of these events may close the window; construction then ends where it stands,
    // and the closed window is never registered or shown.
    const std::function<void()> steps[] = {
        [this] { Layout(); },
        [this] { CreateControls(); },
        [this] { AddMenuHandlers(*this); },
        [this] {
            for (const auto& control : std::vector(controls_)) {
                if (closed_) return;
                control->RaiseOpen();
            }
        },
    };
    try {
        for (const auto& step : steps) {
            step();
            if (closed_) return;
        }
    } catch (...) {
        Dispose();
        throw;
    }
    UpdateTabOrder();
    NameFieldsByCaptions();
    if (!menuBar_ && App() && App()->MenuBar()) {
        // The application's shortcuts also work in a window that shows no menu bar.
        widget_->InstallMenus(App()->MenuBar(), false);
    }
    constructed_ = true;
    OpenWindowList().push_back(shared_from_this());
    if (visibleOnConstruction_) {
        Show();
    }
}

void Window::CheckOpen() const {
    CheckUIThread();
    if (closed_) {
        throw NilObjectException("The window has been closed");
    }
}

void Window::Show() {
    CheckOpen();
    if (!placed_) {
        placed_ = true;
        Place();
    }
    // show() alone leaves a minimised window minimised.
    if (widget_->isMinimized()) {
        widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    }
    widget_->show();
    widget_->raise();
    widget_->activateWindow();
}

void Window::Place() {
    if (resizeable_) {
        // Qt would size a resizeable window by its content's hint; the record decides.
        const int menuHeight =
            widget_->menuWidget() != nullptr && widget_->menuWidget()->isVisibleTo(widget_)
                ? widget_->menuWidget()->sizeHint().height()
                : 0;
        widget_->resize(Clamp(width_), Clamp(height_) + menuHeight);
    } else {
        widget_->adjustSize();
    }
    auto* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    // Centred; a window larger than the screen keeps its title bar and menu bar on it.
    const auto available = screen->availableGeometry();
    auto frame = widget_->frameGeometry();
    frame.moveCenter(available.center());
    frame.moveTopLeft(
        QPoint(std::max(frame.left(), available.left()), std::max(frame.top(), available.top())));
    widget_->move(frame.topLeft());
}

void Window::Hide() {
    CheckOpen();
    widget_->hide();
}

void Window::Close() {
    CheckUIThread();
    if (closed_) {
        return;
    }
    auto keepAlive = shared_from_this();
    Event_Close();
    Dispose();
    // No desktop menu bar outlives the windows here, so nothing could quit later.
    if (OpenWindowList().empty() && !IsQuitting()) {
        Quit(0);
    }
}

void Window::Dispose() {
    if (closed_) {
        return;
    }
    closed_ = true;
    auto keepAlive = weak_from_this().lock();
    auto& windows = OpenWindowList();
    windows.erase(std::remove(windows.begin(), windows.end(), keepAlive), windows.end());
    for (const auto& control : controls_) {
        if (auto timer = std::dynamic_pointer_cast<Timer>(control)) {
            timer->Stop();
        }
    }
    controls_.clear();
    menuHandlers_.clear();
    if (widget_ != nullptr) {
        widget_->SetOwner({});
        widget_->hide();
        widget_->deleteLater();
        widget_ = nullptr;
    }
}

bool Window::Visible() const { return widget_ != nullptr && widget_->isVisible(); }

std::string Window::Title() const {
    return widget_ != nullptr ? widget_->windowTitle().toStdString() : std::string();
}

void Window::MenuBar(std::shared_ptr<::MenuBar> bar) {
    CheckOpen();
    menuBar_ = std::move(bar);
    widget_->InstallMenus(menuBar_, true);
    if (auto* shown = widget_->menuWidget()) {
        shown->setVisible(menuBarVisible_);
    }
}

void Window::AddControl(const std::string& name, std::shared_ptr<Control> control) {
    CheckOpen();
    if (!control) {
        throw NilObjectException("No control to add as " + name);
    }
    control->SetName(name);
    controls_.push_back(std::move(control));
    ControlsChanged();
}

std::shared_ptr<Control> Window::ControlByName(std::string_view name) const {
    CheckUIThread();
    for (const auto& control : controls_) {
        if (control->Name() == name) {
            return control;
        }
    }
    return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    CheckUIThread();
    menuHandlers_.emplace_back(itemName, std::move(handler));
    if (widget_ != nullptr) {
        widget_->RefreshMenuEnabling();
    }
}

std::vector<std::string> Window::MenuHandlerNames() const {
    std::vector<std::string> names;
    for (const auto& [name, handler] : menuHandlers_) {
        names.push_back(name);
    }
    return names;
}

bool Window::HasMenuHandler(std::string_view itemName) const {
    return std::any_of(menuHandlers_.begin(), menuHandlers_.end(),
                       [itemName](const auto& entry) { return entry.first == itemName; });
}

bool Window::InvokeMenuHandler(std::string_view itemName) {
    CheckUIThread();
    auto keepAlive = shared_from_this();
    for (const auto& [name, handler] : std::vector(menuHandlers_)) {
        if (name == itemName) {
            return handler();
        }
    }
    return false;
}

QWidget* Window::NativeWindow() const { return widget_; }
QWidget* Window::ContentWidget() const { return widget_ != nullptr ? widget_->Content() : nullptr; }

void Window::UpdateTabOrder() {
    std::vector<RectControl*> chain;
    for (const auto& control : controls_) {
        auto* rect = dynamic_cast<RectControl*>(control.get());
        if (rect != nullptr && rect->NativeWidget() != nullptr &&
            (rect->NativeWidget()->focusPolicy() & Qt::TabFocus)) {
            chain.push_back(rect);
        }
    }
    std::stable_sort(chain.begin(), chain.end(), [](const RectControl* a, const RectControl* b) {
        return a->TabIndex() < b->TabIndex();
    });
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1]->NativeWidget(), chain[i]->NativeWidget());
    }
}

namespace {

// The caption of a field: of the labels whose rows overlap the field's and that end left
// of it, the nearest, as a sighted user reads the window; none when no label stands there.
const Label* CaptionOf(const RectControl& field,
                       const std::vector<std::shared_ptr<Control>>& controls) {
    const auto place = field.NativeWidget()->geometry();
    const Label* caption = nullptr;
    int captionRight = 0;
    for (const auto& control : controls) {
        const auto* label = dynamic_cast<const Label*>(control.get());
        if (label == nullptr || label->NativeWidget() == nullptr) {
            continue;
        }
        const auto at = label->NativeWidget()->geometry();
        const bool onTheRow = at.top() <= place.bottom() && place.top() <= at.bottom();
        if (onTheRow && at.right() < place.left() &&
            (caption == nullptr || at.right() > captionRight)) {
            caption = label;
            captionRight = at.right();
        }
    }
    return caption;
}

}  // namespace

void Window::NameFieldsByCaptions() {
    for (const auto& control : controls_) {
        auto* field = dynamic_cast<TextField*>(control.get());
        if (field == nullptr || field->NativeWidget() == nullptr) {
            continue;
        }
        const auto* caption = CaptionOf(*field, controls_);
        static_cast<RectControl&>(*field).NameAfterCaption(caption != nullptr ? caption->Text()
                                                                              : std::string());
    }
}

void Window::ControlsChanged() {
    if (constructed_ && !closed_) {
        NameFieldsByCaptions();
    }
}

void Window::ApplyGeometry() {
    auto* content = widget_->Content();
    if (resizeable_) {
        content->setMinimumSize(Clamp(minWidth_), Clamp(minHeight_));
        content->setMaximumSize(Clamp(maxWidth_), Clamp(maxHeight_));
        content->resize(Clamp(width_), Clamp(height_));
        widget_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
        widget_->resize(widget_->sizeHint());
    } else {
        content->setFixedSize(Clamp(width_), Clamp(height_));
        widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void Window::ApplyWindowFlags() {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (hasClose_) flags |= Qt::WindowCloseButtonHint;
    if (hasMinimize_) flags |= Qt::WindowMinimizeButtonHint;
    if (hasMaximize_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
    const bool shown = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (shown) {
        widget_->show();
    }
}

// A palette, not a painted background: the controls inherit it, and the style draws
// their outlines from its window colour. Only a window that shows its colour gets one,
// for each palette makes the style cache pixmaps that no later window finds again.
void Window::ApplyBackground() {
    auto* content = widget_->Content();
    content->setAutoFillBackground(hasBackgroundColor_);
    if (hasBackgroundColor_) {
        QPalette palette = content->palette();
        palette.setColor(QPalette::Window, QColor(backgroundColor_.red, backgroundColor_.green,
                                                  backgroundColor_.blue));
        content->setPalette(palette);
    } else if (content->testAttribute(Qt::WA_SetPalette)) {
        content->setPalette(QPalette());
    }
}

void Window::SetProperty(std::string_view name, const PropertyValue& value) {
    CheckOpen();
    auto integer = [&value] { return std::get<std::int64_t>(value); };
    auto boolean = [&value] { return std::get<bool>(value); };
    if (name == "Width" || name == "Height" || name == "MinimumWidth" || name == "MinimumHeight" ||
        name == "MaximumWidth" || name == "MaximumHeight") {
        (name == "Width"           ? width_
         : name == "Height"        ? height_
         : name == "MinimumWidth"  ? minWidth_
         : name == "MinimumHeight" ? minHeight_
         : name == "MaximumWidth"  ? maxWidth_
                                   : maxHeight_) = integer();
        ApplyGeometry();
    } else if (name == "Resizeable") {
        resizeable_ = boolean();
        ApplyGeometry();
        ApplyWindowFlags();
    } else if (name == "HasCloseButton" || name == "HasMaximizeButton" ||
               name == "HasMinimizeButton") {
        (name == "HasCloseButton"      ? hasClose_
         : name == "HasMaximizeButton" ? hasMaximize_
                                       : hasMinimize_) = boolean();
        ApplyWindowFlags();
    } else if (name == "Title") {
        const auto title = QString::fromStdString(std::get<std::string>(value));
        widget_->setWindowTitle(title);
        // The title bar of an untitled window shows the application's name; so does
        // what a screen reader announces for it.
        widget_->setAccessibleName(title.isEmpty() ? QApplication::applicationDisplayName()
                                                   : QString());
    } else if (name == "Visible") {
        if (!constructed_) {
            visibleOnConstruction_ = boolean();
        } else if (boolean()) {
            Show();
        } else {
            Hide();
        }
    } else if (name == "HasBackgroundColor") {
        hasBackgroundColor_ = boolean();
        ApplyBackground();
    } else if (name == "BackgroundColor") {
        backgroundColor_ = std::get<Color>(value);
        ApplyBackground();
    } else if (name == "MenuBarVisible") {
        menuBarVisible_ = boolean();
        if (auto* bar = widget_->menuWidget()) {
            bar->setVisible(menuBarVisible_);
        }
    } else if (name == "Type" || name == "DefaultLocation") {
        // Every window is an ordinary top-level window, first shown centred on the
        // screen, whatever kind and placement its record names.
    } else if (name == "HasFullScreenButton" || name == "Composite" || name == "MacProcID" ||
               name == "FullScreen" || name == "LiveResize") {
        // This desktop has no full-screen button; drawing and live resizing are Qt's.
    } else {
        throw RuntimeException("A window has no property " + std::string(name));
    }
}
