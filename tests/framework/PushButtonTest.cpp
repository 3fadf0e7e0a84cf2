#include "framework/PushButton.h"

#include <QAccessible>
#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <string>
#include <vector>

#include "framework/Runtime.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

// A window with one button, 80 by 40, outside the tab order; its MouseDown handler
// logs where each press came and returns false.
class ButtonWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        window_ = MakeTestWindow([this](TestWindow& w) {
            w.onCreateControls = [this](TestWindow& self) {
                self.AddNewControl<PushButton>("button");
                auto button = self.ControlByName<PushButton>("button");
                SetProperties(*button, PropertyRecord{Text("Name", "button"), Int("Left", 10),
                                                      Int("Top", 10), Int("Width", 80),
                                                      Int("Height", 40), Text("Caption", "Go")});
                button->MouseDown.Attach([this](PushButton&, std::int64_t x, std::int64_t y) {
                    presses_.push_back(std::to_string(x) + "," + std::to_string(y));
                    During();
                    return false;
                });
            };
        });
        button_ = window_->NativeWindow()->findChild<QPushButton*>("button");
        ASSERT_NE(button_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_->NativeWindow()));
    }

    // What the handler does before it returns.
    virtual void During() {}

    std::shared_ptr<TestWindow> window_;
    QPointer<QPushButton> button_;
    std::vector<std::string> presses_;
};

// What a MouseDown handler that returns false does before it returns, and whether the
// button is then drawn pressed.
struct PressCase {
    const char* label;
    std::function<void(QPushButton&)> during;
    bool down;
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }

class PushButtonPress : public ButtonWindowTest, public testing::WithParamInterface<PressCase> {
  protected:
    void During() override { GetParam().during(*button_); }
};

TEST_P(PushButtonPress, TheButtonIsDrawnPressedOnlyWhileTheMouseButtonIsHeld) {
    QTest::mousePress(button_, Qt::LeftButton);
    EXPECT_EQ(button_->isDown(), GetParam().down);
    QTest::mouseRelease(button_, Qt::LeftButton);
    EXPECT_FALSE(button_->isDown());
}

INSTANTIATE_TEST_SUITE_P(
    Table, PushButtonPress,
    testing::Values(PressCase{"NothingElse", [](QPushButton&) {}, true},
                    // As a message box does: the modal window takes the release.
                    PressCase{"AModalWindow",
                              [](QPushButton& button) {
                                  QDialog dialog(button.window());
                                  QTimer::singleShot(0, &dialog, &QDialog::accept);
                                  dialog.exec();
                              },
                              false},
                    PressCase{
                        "TheRelease",
                        [](QPushButton& button) { QTest::mouseRelease(&button, Qt::LeftButton); },
                        false}),
    [](const auto& info) { return std::string(info.param.label); });

// What a screen reader announces of the button and can do with it.
TEST_F(ButtonWindowTest, AssistiveTechnologySeesAPushButtonNamedByItsCaption) {
    auto button = window_->ControlByName<PushButton>("button");
    button->AccessibleDescription("Goes on");
    auto* accessible = QAccessible::queryAccessibleInterface(button_);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), "Go");
    EXPECT_EQ(accessible->text(QAccessible::Description), "Goes on");
    // Outside the tab order there is nothing to focus, only the button to press.
    EXPECT_FALSE(accessible->state().focusable);
    EXPECT_EQ(accessible->actionInterface()->actionNames(),
              QStringList{QAccessibleActionInterface::pressAction()});
    // The caption as drawn, without the mnemonic's mark.
    SetProperties(*button, PropertyRecord{Text("Caption", "Save && &Quit")});
    EXPECT_EQ(accessible->text(QAccessible::Name), "Save & Quit");
}

class PushButtonAccessiblePress;

// What happens around the Press of assistive technology (over AT-SPI, a D-Bus call):
// the press, or something else, then whatever comes before the event loop runs.
struct AccessiblePressCase {
    const char* label;
    std::function<void(PushButtonAccessiblePress&)> act;
    std::vector<std::string> presses;
};
void PrintTo(const AccessiblePressCase& c, std::ostream* os) { *os << c.label; }

class PushButtonAccessiblePress : public ButtonWindowTest,
                                  public testing::WithParamInterface<AccessiblePressCase> {
  public:
    // The press waits for the event loop: a handler may open a modal window, which
    // would hold the caller's reply.
    void Press() {
        QAccessible::queryAccessibleInterface(button_)->actionInterface()->doAction(
            QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(presses_.empty()) << "handled inside the caller's call";
    }
    QPushButton& Button() { return *button_; }
    TestWindow& Window() { return *window_; }
};

// A press at the button's centre, once, and only where a mouse press could reach it.
TEST_P(PushButtonAccessiblePress, RunsTheHandlerOnceFromTheEventLoop) {
    GetParam().act(*this);
    QCoreApplication::processEvents();
    EXPECT_EQ(presses_, GetParam().presses);
    // No mouse button is held, so the button is not left drawn pressed.
    EXPECT_FALSE(button_ && button_->isDown());
}

INSTANTIATE_TEST_SUITE_P(Table, PushButtonAccessiblePress,
                         // Code that clicks the button is no press of the user's.
                         testing::Values(AccessiblePressCase{"AnEnabledButton",
                                                             [](auto& t) {
                                                                 t.Button().click();
                                                                 t.Press();
                                                             },
                                                             {"40,20"}},
                                         AccessiblePressCase{"ADisabledButton",
                                                             [](auto& t) {
                                                                 t.Button().setEnabled(false);
                                                                 t.Press();
                                                             },
                                                             {}},
                                         AccessiblePressCase{"DisabledBeforeThePressRuns",
                                                             [](auto& t) {
                                                                 t.Press();
                                                                 t.Button().setEnabled(false);
                                                             },
                                                             {}},
                                         // As while a message box is open.
                                         AccessiblePressCase{"UnderAModalWindow",
                                                             [](auto& t) {
                                                                 QDialog dialog(
                                                                     t.Button().window());
                                                                 dialog.setModal(true);
                                                                 dialog.show();
                                                                 t.Press();
                                                                 QCoreApplication::processEvents();
                                                             },
                                                             {}},
                                         AccessiblePressCase{"WindowClosedBeforeThePressRuns",
                                                             [](auto& t) {
                                                                 t.Press();
                                                                 t.Window().Close();
                                                             },
                                                             {}},
                                         AccessiblePressCase{"ButtonDeletedBeforeThePressRuns",
                                                             [](auto& t) {
                                                                 t.Press();
                                                                 t.Window().Close();
                                                                 QCoreApplication::sendPostedEvents(
                                                                     nullptr,
                                                                     QEvent::DeferredDelete);
                                                             },
                                                             {}}),
                         [](const auto& info) { return std::string(info.param.label); });

// Each run of the program's start-up makes Qt's application afresh, and Qt forgets how
// to describe the buttons with the one before.
class ButtonUnderANewQtApplication : public ButtonWindowTest {
  protected:
    void SetUp() override {
        RuntimePerformFinalizers();
        RuntimeInit();
        ButtonWindowTest::SetUp();
    }
};

TEST_F(ButtonUnderANewQtApplication, AssistiveTechnologysPressStillRunsTheHandler) {
    QAccessible::queryAccessibleInterface(button_)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(presses_, std::vector<std::string>{"40,20"});
}

}  // namespace
