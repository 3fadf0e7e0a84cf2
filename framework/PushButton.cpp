#include "framework/PushButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <memory>

#include "framework/ControlLink.h"
#include "framework/Runtime.h"
#include "framework/TextStyle.h"

namespace {

// Notes, while a MouseDown handler runs, whether the press it answers is over: a modal
// window blocked the button's window (it takes the release), or the release came.
class PressWatch : public QObject {
  public:
    explicit PressWatch(QWidget& button) : window_(button.window()) {
        qApp->installEventFilter(this);
    }
    ~PressWatch() override { qApp->removeEventFilter(this); }
    PressWatch(const PressWatch&) = delete;
    PressWatch& operator=(const PressWatch&) = delete;

    bool PressIsOver() const { return over_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowBlocked && window_ &&
            (watched == window_ || watched == static_cast<QObject*>(window_->windowHandle()))) {
            over_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            over_ = true;
        }
        return false;
    }

  private:
    QPointer<QWidget> window_;
    bool over_ = false;
};

// Raises MouseDown on the press itself, before the button's own handling.
class PressButton : public QPushButton, public ControlLink {
  protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            const auto position = event->position().toPoint();
            bool consumed = true;
            bool pressIsOver = false;
            if (auto button = Linked<PushButton>()) {
                PressWatch watch(*this);
                CallSystemCode(
                    [&] { consumed = button->RaiseMouseDown(position.x(), position.y()); });
                pressIsOver = watch.PressIsOver();
            }
            // Once the press is over no release will come to the button, which would
            // then stay drawn pressed; a released button has nothing left to draw.
            if (consumed || pressIsOver || Released()) {
                event->accept();
                return;
            }
        }
        QPushButton::mousePressEvent(event);
    }
};

}  // namespace

PushButton::PushButton(ControlKey key, Window& owner) : RectControl(key, owner, new PressButton) {}

PushButton::~PushButton() = default;

QPushButton& PushButton::button() const { return static_cast<QPushButton&>(widget()); }

std::string PushButton::Caption() const { return button().text().toStdString(); }

bool PushButton::RaiseMouseDown(std::int64_t x, std::int64_t y) {
    // The handler may close the window and with it drop the last reference.
    auto keepAlive = shared_from_this();
    return MouseDown.Raise(*this, x, y);
}

void PushButton::UpdateFocusPolicy() {
    widget().setFocusPolicy(TabStop() ? Qt::StrongFocus : Qt::NoFocus);
}

bool PushButton::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (ApplyTextStyle(button(), name, value)) {
        return true;
    }
    if (name == "Caption") {
        button().setText(QString::fromStdString(std::get<std::string>(value)));
    } else if (name == "MacButtonStyle" || name == "Cancel" || name == "Default") {
        // Default and cancel buttons act on Return and Escape only in dialogs; these
        // buttons act on the mouse alone.
    } else {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}
