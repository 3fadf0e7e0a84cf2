#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/Control.h"

class QWidget;

// Base of the visible controls: a Qt widget placed on the window's content area.
class RectControl : public Control {
  public:
    ~RectControl() override;

    // False hides the control and keeps it.
    void Visible(bool visible);
    bool Visible() const;
    void SetFocus();
    bool HasFocus() const;
    bool Enabled() const;

    // What assistive technology such as a screen reader announces for the control,
    // where its caption or picture does not say it; also the record entry
    // "AccessibleName". A text field with no name of its own is named after its caption
    // (see Window); the empty name gives it back to that rule.
    void AccessibleName(const std::string& name);
    void AccessibleDescription(const std::string& description);

    // Order of the keyboard's focus chain; only controls with TabStop take part.
    std::int64_t TabIndex() const { return tabIndex_; }
    bool TabStop() const { return tabStop_; }

    // None once the window has ended and taken its widgets with it.
    QWidget* NativeWidget() const;

  protected:
    // Takes ownership of the widget, which becomes a child of the window's content.
    RectControl(ControlKey key, Window& owner, QWidget* widget);

    // Links a widget that raises the control's events (a ControlLink) to the control, and
    // sets how it takes the focus.
    void LinkWidget() override;
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;
    // How the control's widget takes the focus, from TabStop and the kind's own rules.
    virtual void UpdateFocusPolicy();

    // The widget, which is alive for as long as the control's window is.
    QWidget& widget() const;

    // The window names its text fields by their captions, and must hear when a control
    // moves or a caption changes.
    void LayoutChanged();

  private:
    friend class Window;
    // The name that the caption rule gives; a name of the control's own wins.
    void NameAfterCaption(const std::string& caption);

    struct WidgetGuard;
    std::unique_ptr<WidgetGuard> guard_;
    std::int64_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::int64_t tabIndex_ = 0;
    bool tabStop_ = false;
    bool visible_ = true;
    bool ownAccessibleName_ = false;
};
