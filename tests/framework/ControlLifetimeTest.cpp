// A handler may close its window, and so release its controls, at any point of an
// event; a control's widget, which Qt deletes only later, must then leave it alone.
// These faults show as heap-use-after-free under the sanitizer build.
#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest/QTest>

#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/Picture.h"
#include "framework/PushButton.h"
#include "framework/RuntimeException.h"
#include "framework/StyledText.h"
#include "framework/TextArea.h"
#include "framework/TextField.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

class ControlLifetime : public GuiTest {
  protected:
    // A window with one control of class T named "control", its record applied; the
    // test keeps only the window, so closing it releases the control.
    template <class T>
    void MakeWindowWith(const PropertyRecord& record, std::function<void(T&)> attach = {}) {
        window_ = MakeTestWindow([&](TestWindow& w) {
            w.onCreateControls = [&](TestWindow& self) {
                auto control = self.AddNewControl<T>("control", record);
                if (attach) attach(*control);
            };
        });
    }

    void CloseWindow() { window_->Close(); }

    template <class W>
    W* Widget() const {
        return window_->NativeWindow()->findChild<W*>("control");
    }

    std::shared_ptr<TestWindow> window_;
};

PropertyRecord Placed(std::int64_t width, std::int64_t height) {
    return PropertyRecord{Text("Name", "control"), Int("Width", width), Int("Height", height),
                          Bool("TabStop", true)};
}

TEST_F(ControlLifetime, AKeyHandlerThatClosesTheWindowEndsTheCommitThere) {
    std::vector<std::string> keys;
    MakeWindowWith<TextField>(Placed(80, 22), [&](TextField& field) {
        field.KeyDown.Attach([&](TextField&, const std::string& key) {
            keys.push_back(key);
            CloseWindow();
            return false;
        });
    });
    QPointer<QLineEdit> edit = Widget<QLineEdit>();
    ASSERT_TRUE(edit);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("12"));
    QApplication::sendEvent(edit, &commit);
    EXPECT_EQ(keys, std::vector<std::string>{"1"});
    ASSERT_TRUE(edit) << "Qt deletes the widget only later";
    EXPECT_EQ(edit->text(), "");
}

TEST_F(ControlLifetime, APressThatClosesTheWindowLeavesTheButtonAlone) {
    int presses = 0;
    MakeWindowWith<PushButton>(Placed(80, 40), [&](PushButton& button) {
        button.MouseDown.Attach([&](PushButton&, std::int64_t, std::int64_t) {
            ++presses;
            CloseWindow();
            return false;
        });
    });
    QPointer<QPushButton> widget = Widget<QPushButton>();
    ASSERT_TRUE(widget);
    for (int i = 0; i < 2; ++i) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
    EXPECT_EQ(presses, 1);
    ASSERT_TRUE(widget);
    EXPECT_FALSE(widget->isDown());
}

TEST_F(ControlLifetime, AReleasedCanvasStillLeavesItsWidgetSomethingToDraw) {
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    MakeWindowWith<Canvas>(
        Placed(4, 4), [&](Canvas& canvas) { canvas.Backdrop(std::make_shared<Picture>(red)); });
    QPointer<QWidget> widget = Widget<QWidget>();
    ASSERT_TRUE(widget);
    CloseWindow();
    ASSERT_TRUE(widget);
    EXPECT_EQ(widget->grab().toImage().pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(ControlLifetime, StyledTextKeptPastItsTextAreaRaisesNilObject) {
    MakeWindowWith<TextArea>(PropertyRecord{Text("Name", "control"), Int("Width", 200),
                                            Int("Height", 100), Text("Text", "ab")});
    auto styled = window_->ControlByName<TextArea>("control")->StyledText();
    styled->Bold(0, 1, true);
    CloseWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_THROW(styled->Bold(0, 1, false), NilObjectException);
    EXPECT_THROW(styled->Bold(0), NilObjectException);
}

// Only a record's TabStop admits a control to the focus; a caption never takes it.
TEST_F(ControlLifetime, ACaptionWithoutTabStopInItsRecordNeverTakesTheFocus) {
    MakeWindowWith<Label>(PropertyRecord{Text("Name", "control"), Int("Width", 80),
                                         Int("Height", 20), Text("Text", "k:")});
    EXPECT_EQ(Widget<QWidget>()->focusPolicy(), Qt::NoFocus);
}

}  // namespace
