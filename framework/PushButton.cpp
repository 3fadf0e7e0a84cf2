#include "framework/PushButton.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
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
  public:
    // The Press of assistive technology (a screen reader, voice control): the user's
    // press of the button, at its centre. No mouse button is held, so no release and no
    // drawing pressed follow. A press the mouse could not make does nothing: on a button
    // disabled or hidden meanwhile, or one under a modal window.
    void PressForAssistiveTechnology() {
        const QWidget* modal = QApplication::activeModalWidget();
        if (!isEnabled() || !isVisible() || (modal != nullptr && modal != window())) {
            return;
        }
        if (auto button = Linked<PushButton>()) {
            CallSystemCode([&] { button->RaiseMouseDown(width() / 2, height() / 2); });
        }
    }

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

// What assistive technology sees of the button: a push button named by its caption, as
// Qt describes one, whose Press is a press of the button. Qt's own Press only clicks,
// which never reaches mousePressEvent and so never the handler; the button's pressed
// signal is no way round that, since click() from code and the mouse's own handling
// after the handler emit it too.
class PressButtonAccessible : public QAccessibleWidget {
  public:
    explicit PressButtonAccessible(PressButton& button)
        : QAccessibleWidget(&button, QAccessible::Button) {}

    static QAccessibleInterface* Create(const QString& className, QObject* object) {
        auto* button = className == QLatin1String("QPushButton")
                           ? dynamic_cast<PressButton*>(object)
                           : nullptr;
        return button != nullptr ? new PressButtonAccessible(*button) : nullptr;
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            // The caption as drawn: "&x" marks a mnemonic, "&&" is an ampersand.
            static const QRegularExpression mnemonic(QStringLiteral("&(.)"));
            return button().text().replace(mnemonic, QStringLiteral("\\1"));
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        auto state = QAccessibleWidget::state();
        state.pressed = button().isDown();
        return state;
    }

    QStringList actionNames() const override {
        auto names = QAccessibleWidget::actionNames();
        if (widget()->isEnabled()) {
            names.prepend(pressAction());
        }
        return names;
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // From the event loop, as a real press comes: the caller waits for this call to
        // return (over AT-SPI, for its D-Bus reply), and a handler may hold it in a
        // modal window. Dropped with the widget if the window closes first.
        auto& pressed = button();
        QMetaObject::invokeMethod(
            &pressed, [&pressed] { pressed.PressForAssistiveTechnology(); }, Qt::QueuedConnection);
    }

  private:
    PressButton& button() const { return static_cast<PressButton&>(*widget()); }
};

}  // namespace

void DescribePushButtonsToAssistiveTechnology() {
    QAccessible::installFactory(&PressButtonAccessible::Create);
}

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
