#include "framework/Runtime.h"

#include <QApplication>
#include <QTimer>
#include <QtTest/QTest>
#include <cstdlib>

#include "framework/RuntimeException.h"
#include "framework/TextField.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

class RuntimeTest : public GuiTest {};

TEST_F(RuntimeTest, AnExceptionInAHandlerIsReportedOnceAndTheLoopGoesOn) {
    DialogRecorder dialogs;
    auto window = MakeTestWindow([](TestWindow& w) {
        w.onCreateControls = [](TestWindow& self) {
            auto field = self.New<TextField>();
            field->Constructor();
            self.AddControl("field", field);
            field->KeyDown.Attach([](TextField&, const std::string&) -> bool {
                throw TypeCastException("bad cast");
            });
        };
    });
    auto* edit = window->ControlByName<TextField>("field")->NativeWidget();
    QTest::keyClick(edit, Qt::Key_1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("TypeCastException: bad cast"), std::string::npos);
    // The event loop and the window carry on: a later event is handled as usual.
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        Quit(0);
    });
    RuntimeRun();
    EXPECT_TRUE(ran);
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(RuntimeExit(), 0) << "the program went on and quit normally";
}

TEST_F(RuntimeTest, EndingWithoutQuitAfterAReportIsAFailureStatus) {
    DialogRecorder dialogs;
    EXPECT_EQ(RuntimeExit(), 0);
    UnhandledException(std::make_exception_ptr(RuntimeException("start-up failed")));
    EXPECT_EQ(RuntimeExit(), 1);
}

// Qt ends the process itself, with exit(1), when its display goes away: the windows
// are still open then, and the process's static objects go after Qt's own.
TEST_F(RuntimeTest, AnExitWithWindowsOpenEndsWithThatStatus) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto window = MakeTestWindow([](TestWindow& w) {
                w.onCreateControls = [](TestWindow& self) {
                    self.AddNewControl<TextField>("field");
                };
            });
            QApplication::setActiveWindow(window->NativeWindow());
            window->ControlByName<TextField>("field")->SetFocus();
            if (!QTest::qWaitForWindowExposed(window->NativeWindow())) std::_Exit(2);
            std::exit(1);
        },
        testing::ExitedWithCode(1), "");
}

TEST_F(RuntimeTest, TwoQuitsEndTheLoopOnceWithTheFirstCode) {
    int loops = 0;
    QTimer::singleShot(0, [&] {
        ++loops;
        Quit(0);
        Quit(3);
    });
    RuntimeRun();
    EXPECT_EQ(loops, 1);
    EXPECT_EQ(RuntimeExit(), 0);
    // Quitting already: a second run of the loop ends at once.
    RuntimeRun();
}

TEST_F(RuntimeTest, AQuitBeforeTheLoopMeansTheLoopNeverRuns) {
    bool ran = false;
    Quit(0);
    QTimer pending;  // dies with the test, so it can never fire into a later one
    pending.setSingleShot(true);
    QObject::connect(&pending, &QTimer::timeout, [&] { ran = true; });
    pending.start(0);
    RuntimeRun();
    EXPECT_FALSE(ran);
}

// The exception helper through which the framework calls the system's code.
std::exception_ptr CatchRuntimeExceptions(void (*function)(void*), void* value) {
    try {
        function(value);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

TEST_F(RuntimeTest, SystemCodeRunsThroughTheInstalledExceptionHelper) {
    DialogRecorder dialogs;
    RuntimeSetExceptionHelper(&CatchRuntimeExceptions);
    CallSystemCode([] { throw NilObjectException("missing"); });
    CallSystemCode([] { throw std::logic_error("not ours"); });
    CallSystemCode([] {});
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[0].find("NilObjectException: missing"), std::string::npos);
    EXPECT_NE(dialogs.messages[1].find("not ours"), std::string::npos);
}

// Wayland finds the desktop entry, and so the icon, by this name alone.
TEST_F(RuntimeTest, TheDesktopFileNameIsTheInstalledEntrysName) {
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral(VQ_APP_ID));
}

TEST_F(RuntimeTest, InitializersRunInTheOrderAdded) {
    std::vector<int> order;
    RuntimeAddInitializer([&] { order.push_back(1); });
    RuntimeAddInitializer([&] { order.push_back(2); });
    RuntimePerformInitializers();
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

}  // namespace
