#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QtTest/QTest>
#include <thread>

#include "framework/Label.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/TextField.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

class WindowTest : public GuiTest {};

TEST_F(WindowTest, ConstructionEventsHaveRunWhenConstructorReturns) {
    auto window = MakeTestWindow();
    EXPECT_EQ(window->log,
              (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers"}));
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Title(), "Test");
}

TEST_F(WindowTest, RecordDecidesWhetherTheNewWindowShows) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.record = PropertyRecord{Int("Width", 100), Int("Height", 50), Bool("Visible", false)};
    });
    EXPECT_FALSE(window->Visible());
    window->Show();
    EXPECT_TRUE(window->Visible());
}

TEST_F(WindowTest, ShowBringsAMinimisedWindowBack) {
    auto window = MakeTestWindow();
    auto* qtWindow = window->NativeWindow();
    qtWindow->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(qtWindow->isMinimized());
    window->Show();
    EXPECT_FALSE(qtWindow->isMinimized());
    EXPECT_TRUE(window->Visible());
}

// The first placement centres the window on the screen's available area; one larger
// than that area keeps its top-left corner, with the title bar and menu bar, on it.
struct PlacementCase {
    const char* label;
    int widthBeyondScreen, heightBeyondScreen;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }

class WindowPlacement : public GuiTest, public testing::WithParamInterface<PlacementCase> {};

TEST_P(WindowPlacement, CentresTheWindowAndKeepsItsTopLeftOnTheScreen) {
    const auto available = QGuiApplication::primaryScreen()->availableGeometry();
    const auto& c = GetParam();
    auto window = MakeTestWindow([&](TestWindow& w) {
        w.record = PropertyRecord{Int("Width", available.width() + c.widthBeyondScreen),
                                  Int("Height", available.height() + c.heightBeyondScreen),
                                  Bool("Resizeable", false), Bool("Visible", true)};
    });
    const auto frame = window->NativeWindow()->frameGeometry();
    EXPECT_GE(frame.left(), available.left());
    EXPECT_GE(frame.top(), available.top());
    if (c.widthBeyondScreen < 0) {
        EXPECT_LE(std::abs(frame.center().x() - available.center().x()), 2);
    }
    if (c.heightBeyondScreen < 0) {
        EXPECT_LE(std::abs(frame.center().y() - available.center().y()), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WindowPlacement,
                         testing::Values(PlacementCase{"Fits", -200, -200},
                                         PlacementCase{"TooWide", 300, -200},
                                         PlacementCase{"TooTall", -200, 300},
                                         PlacementCase{"TooLarge", 500, 500}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(WindowTest, ContentAreaHasTheRecordsSizeAndAFixedWindowCannotResize) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.record = PropertyRecord{Int("Width", 600), Int("Height", 480), Bool("Resizeable", false),
                                  Bool("Visible", true)};
    });
    EXPECT_EQ(window->ContentWidget()->size(), QSize(600, 480));
    auto* qtWindow = window->NativeWindow();
    EXPECT_EQ(qtWindow->minimumSize(), qtWindow->maximumSize());
    EXPECT_FALSE(qtWindow->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, SingleInstanceSurvivesHideAndIsGoneAfterClose) {
    auto window = MakeTestWindow();
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), window);
    window->Hide();
    EXPECT_FALSE(window->Visible());
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), window);
    window->Close();
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), nullptr);
    EXPECT_TRUE(window->IsClosed());
    EXPECT_THROW(window->Show(), NilObjectException);
}

TEST_F(WindowTest, AFailingConstructionEventLeavesNoInstance) {
    EXPECT_THROW(MakeTestWindow([](TestWindow& w) {
                     w.onCreateControls = [](TestWindow&) { throw RuntimeException("boom"); };
                 }),
                 RuntimeException);
    EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), nullptr);
    EXPECT_TRUE(OpenWindows().empty());
}

TEST_F(WindowTest, CloseRaisesCloseOnceAndTheLastWindowEndsTheApplication) {
    auto first = MakeTestWindow({}, "First.First");
    auto second = MakeTestWindow({}, "Second.Second");
    second->Hide();
    first->Close();
    first->Close();
    EXPECT_EQ(std::count(first->log.begin(), first->log.end(), "Close"), 1);
    // A hidden window still counts as one of the application's windows.
    EXPECT_FALSE(IsQuitting());
    second->Close();
    EXPECT_TRUE(IsQuitting());
    EXPECT_EQ(RuntimeExit(), 0);
}

TEST_F(WindowTest, TheCloseBoxClosesTheWindow) {
    auto window = MakeTestWindow();
    auto keep = MakeTestWindow({}, "Other.Other");
    window->NativeWindow()->close();
    EXPECT_TRUE(window->IsClosed());
    EXPECT_EQ(window->log.back(), "Close");
    EXPECT_FALSE(IsQuitting());
}

TEST_F(WindowTest, ControlsAreFoundByNameWithACheckedClass) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.onCreateControls = [](TestWindow& self) {
            auto field = self.New<TextField>();
            field->Constructor();
            self.AddControl("kFld", field);
        };
    });
    auto field = window->ControlByName<TextField>("kFld");
    EXPECT_EQ(field->Name(), "kFld");
    EXPECT_EQ(field->ownerWindow(), window);
    EXPECT_EQ(window->ControlByName("missing"), nullptr);
    EXPECT_THROW(window->ControlByName<Label>("kFld"), TypeCastException);
    EXPECT_THROW(window->ControlByName<TextField>("missing"), NilObjectException);
}

TEST_F(WindowTest, ARecordOnAControlNamesItsWidgetForAccessibilityTools) {
    auto window = MakeTestWindow([](TestWindow& w) {
        w.onCreateControls = [](TestWindow& self) {
            auto field = self.New<TextField>();
            field->Constructor();
            self.AddControl("nFld", field);
            SetProperties(*field,
                          PropertyRecord{Text("Name", "nFld"), Int("Left", 5), Int("Top", 6),
                                         Int("Width", 80), Int("Height", 22), Text("Text", "42")});
        };
    });
    auto* edit = window->NativeWindow()->findChild<QLineEdit*>("nFld");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), QRect(5, 6, 80, 22));
    EXPECT_EQ(edit->text(), "42");
    EXPECT_THROW(SetProperties(*window->ControlByName<TextField>("nFld"),
                               PropertyRecord{Text("Caption", "x")}),
                 RuntimeException);
}

TEST_F(WindowTest, UiOperationsOffTheUiThreadRaise) {
    auto window = MakeTestWindow();
    bool raised = false;
    std::thread worker([&] {
        try {
            window->Hide();
        } catch (const ThreadAccessingUIException&) {
            raised = true;
        }
    });
    worker.join();
    EXPECT_TRUE(raised);
    EXPECT_TRUE(window->Visible());
}

TEST_F(WindowTest, MouseAndKeyPressesOnTheWindowReachItsEvents) {
    auto window = MakeTestWindow();
    QTest::mousePress(window->ContentWidget(), Qt::LeftButton, {}, QPoint(7, 9));
    EXPECT_EQ(window->log.back(), "MouseDown 7,9");
    QTest::keyClick(window->NativeWindow(), Qt::Key_X);
    EXPECT_EQ(window->log.back(), "KeyDown x");
    // Key combinations with Ctrl are shortcuts, never key-downs.
    QTest::keyClick(window->NativeWindow(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(window->log.back(), "KeyDown x");
}

}  // namespace
