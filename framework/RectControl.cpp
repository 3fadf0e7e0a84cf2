#include "framework/RectControl.h"

#include <QPointer>
#include <QWidget>

#include "framework/ControlLink.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/Window.h"

struct RectControl::WidgetGuard {
    QPointer<QWidget> widget;
};

RectControl::RectControl(ControlKey key, Window& owner, QWidget* widget)
    : Control(key, owner), guard_(std::make_unique<WidgetGuard>()) {
    guard_->widget = widget;
    widget->setParent(owner.ContentWidget());
    widget->show();
}

void RectControl::LinkWidget() {
    if (auto* link = dynamic_cast<ControlLink*>(&widget())) {
        link->Link(weak_from_this());
    }
    // From the constructor this would reach only the base's rule, whatever the kind.
    UpdateFocusPolicy();
}

RectControl::~RectControl() {
    // The window's content widget may already have taken the widget with it, and the
    // control may be ending inside one of its widget's own events.
    if (auto* widget = guard_->widget.data()) {
        widget->hide();
        widget->deleteLater();
    }
}

QWidget* RectControl::NativeWidget() const { return guard_->widget.data(); }

QWidget& RectControl::widget() const {
    if (guard_->widget.isNull()) {
        throw NilObjectException("The control's window has closed");
    }
    return *guard_->widget;
}

void RectControl::Visible(bool visible) {
    CheckUIThread();
    visible_ = visible;
    widget().setVisible(visible);
}

bool RectControl::Visible() const { return visible_; }

void RectControl::SetFocus() {
    CheckUIThread();
    widget().setFocus(Qt::OtherFocusReason);
}

void RectControl::AccessibleName(const std::string& name) {
    CheckUIThread();
    widget().setAccessibleName(QString::fromStdString(name));
    ownAccessibleName_ = !name.empty();
    if (!ownAccessibleName_) {
        LayoutChanged();
    }
}

void RectControl::NameAfterCaption(const std::string& caption) {
    // Never through QLabel::setBuddy: that would make an "&" in the caption a keyboard
    // mnemonic, and a label can be the buddy of one field only.
    if (!ownAccessibleName_) {
        widget().setAccessibleName(QString::fromStdString(caption));
    }
}

void RectControl::LayoutChanged() {
    if (auto window = ownerWindow()) {
        window->ControlsChanged();
    }
}

void RectControl::AccessibleDescription(const std::string& description) {
    CheckUIThread();
    widget().setAccessibleDescription(QString::fromStdString(description));
}

bool RectControl::HasFocus() const { return widget().hasFocus(); }

bool RectControl::Enabled() const { return widget().isEnabled(); }

void RectControl::UpdateFocusPolicy() {
    widget().setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
}

bool RectControl::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Name") {
        widget().setObjectName(QString::fromStdString(std::get<std::string>(value)));
        return Control::ApplyProperty(name, value);
    }
    if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
        const auto number = std::get<std::int64_t>(value);
        (name == "Left"    ? left_
         : name == "Top"   ? top_
         : name == "Width" ? width_
                           : height_) = number;
        widget().setGeometry(static_cast<int>(left_), static_cast<int>(top_),
                             static_cast<int>(width_), static_cast<int>(height_));
        LayoutChanged();
        return true;
    }
    if (name == "TabIndex") {
        tabIndex_ = std::get<std::int64_t>(value);
        return true;
    }
    if (name == "TabStop") {
        tabStop_ = std::get<bool>(value);
        UpdateFocusPolicy();
        return true;
    }
    if (name == "Visible") {
        Visible(std::get<bool>(value));
        return true;
    }
    if (name == "Enabled") {
        widget().setEnabled(std::get<bool>(value));
        return true;
    }
    if (name == "AccessibleName") {
        AccessibleName(std::get<std::string>(value));
        return true;
    }
    if (name == "Tooltip") {
        widget().setToolTip(QString::fromStdString(std::get<std::string>(value)));
        return true;
    }
    // Resizing with the window, tab panels, focus rings, transparency and deactivated
    // looks are drawn by the desktop's own style here.
    if (name == "LockLeft" || name == "LockTop" || name == "LockRight" || name == "LockBottom" ||
        name == "TabPanelIndex" || name == "AllowAutoDeactivate" || name == "AllowFocusRing" ||
        name == "Transparent") {
        return true;
    }
    return Control::ApplyProperty(name, value);
}
