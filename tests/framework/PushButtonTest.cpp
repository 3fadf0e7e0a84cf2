#include "framework/PushButton.h"

#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>

#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

// What a MouseDown handler that returns false does before it returns, and whether the
// button is then drawn pressed.
struct PressCase {
    const char* label;
    std::function<void(QPushButton&)> during;
    bool down;
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.label; }

class PushButtonPress : public GuiTest, public testing::WithParamInterface<PressCase> {
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
                button->MouseDown.Attach([this](PushButton&, std::int64_t, std::int64_t) {
                    GetParam().during(*button_);
                    return false;
                });
            };
        });
        button_ = window_->NativeWindow()->findChild<QPushButton*>("button");
        ASSERT_NE(button_, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_->NativeWindow()));
    }

    std::shared_ptr<TestWindow> window_;
    QPushButton* button_ = nullptr;
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

}  // namespace
