#include <QAction>
#include <QObject>
#include <QTimer>

#include <stdexcept>
#include <string>

#include "calculator/ControlWnd.h"
#include "framework/Application.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "shell/AboutWnd.h"
#include "shell/MenuBar1.h"
#include "shell/Startup.h"
#include "shell/Veltranoquisenary.h"
#include "shell/helpWnd.h"
#include "tests/shell/ShellTest.h"
#include "tests/support/GuiTest.h"

using namespace shelltest;

namespace {

// What start-up had done when the application object was constructed.
struct AtConstruction {
    bool reached = false;
    bool registered = false;
    std::size_t windows = 0;
    double versionStamp = 0.0;
    std::int64_t majorVersion = -1;
    bool hadMenuBar = false;
};
AtConstruction atConstruction;

class ObservedApplication : public Veltranoquisenary {
  public:
    void Constructor() override {
        Veltranoquisenary::Constructor();
        atConstruction.reached = true;
        atConstruction.registered = App() != nullptr;
        atConstruction.windows = OpenWindows().size();
        atConstruction.versionStamp = RuntimeVersionStamp();
        atConstruction.majorVersion = MajorVersion();
        atConstruction.hadMenuBar = MenuBar() != nullptr;
    }
};

std::shared_ptr<Application> ObservedApplicationClass() {
    return std::make_shared<ObservedApplication>();
}

class FailingApplication : public Veltranoquisenary {
  public:
    void Constructor() override { throw RuntimeException("construction failed"); }
};

std::shared_ptr<Application> FailingApplicationClass() {
    return std::make_shared<FailingApplication>();
}

class Startup : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        atConstruction = {};
        RuntimeSetVersionStamp(0.0);
    }
    void TearDown() override {
        // A whole run's finalisers end Qt; the tests after this one need it back.
        RuntimeInit();
        GuiTest::TearDown();
    }

    // Runs `step` once the event loop turns; a loop that never ends is cut short with
    // status 99 so that a fault shows as a failure, not a hang.
    void OnceTheLoopRuns(std::function<void()> step) {
        QTimer::singleShot(0, &guard_, [this, step] {
            loopRan_ = true;
            step();
        });
        QTimer::singleShot(10000, &guard_, [] { Quit(99); });
    }

    QObject guard_;
    bool loopRan_ = false;
};

TEST_F(Startup, NewAppInstanceGivesTheApplicationItsVersionAndMenuBar) {
    NewAppInstance();
    auto app = App();
    ASSERT_NE(std::dynamic_pointer_cast<Veltranoquisenary>(app), nullptr);
    EXPECT_EQ(app->MajorVersion(), 1);
    EXPECT_EQ(app->MinorVersion(), 0);
    EXPECT_EQ(app->BugVersion(), 0);
    EXPECT_EQ(app->NonReleaseVersion(), 0);
    EXPECT_EQ(app->StageCode(), 3);
    EXPECT_EQ(app->LongVersion(), "");
    EXPECT_EQ(app->ShortVersion(), "");
    EXPECT_EQ(app->PackageInfo(), "");
    EXPECT_EQ(app->MenuBar(), MenuBar1());
    EXPECT_TRUE(OpenWindows().empty());
}

// The whole run: start-up, the About window giving way, the Quit command, the exit.
TEST_F(Startup, RunsInOrderShowsTheAboutWindowAndEndsWithQuit) {
    std::shared_ptr<Application> appDuringRun;
    std::size_t windowsAtStart = 0;
    bool aboutVisibleAtStart = false, calculatorAtStart = true;
    OnceTheLoopRuns([&] {
        appDuringRun = App();
        windowsAtStart = OpenWindows().size();
        aboutVisibleAtStart = AboutWnd()->Visible();
        calculatorAtStart = CalculatorExists();
        PressKeyIn(*AboutWnd());
        ProcessEvents();
        ::ControlWnd()->InvokeMenuHandler("FileQuit");
    });

    const int status = RunProgram(ObservedApplicationClass);

    EXPECT_TRUE(atConstruction.reached);
    EXPECT_FALSE(atConstruction.registered) << "registered before it was constructed";
    EXPECT_EQ(atConstruction.windows, 0u) << "a window before the application object";
    EXPECT_EQ(atConstruction.versionStamp, ToolchainRelease()) << "stamp not set first";
    EXPECT_EQ(atConstruction.majorVersion, 0) << "version data set before the constructor";
    EXPECT_FALSE(atConstruction.hadMenuBar);
    EXPECT_GT(ToolchainRelease(), 0.0);

    EXPECT_TRUE(loopRan_);
    ASSERT_NE(std::dynamic_pointer_cast<ObservedApplication>(appDuringRun), nullptr);
    EXPECT_EQ(appDuringRun->StageCode(), 3);
    EXPECT_EQ(appDuringRun->MenuBar(), MenuBar1());
    EXPECT_EQ(windowsAtStart, 1u);
    EXPECT_TRUE(aboutVisibleAtStart);
    EXPECT_FALSE(calculatorAtStart) << "the calculator is created only when About gives way";

    EXPECT_EQ(status, 0);
    // The finalisers have ended every window and released the application object.
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_EQ(App(), nullptr);
}

// Quit and the calculator's close box end the loop, with the help window open and the
// About window hidden.
TEST_F(Startup, ClosingTheCalculatorEndsTheRunWithStatusZero) {
    OnceTheLoopRuns([] {
        PressMouseIn(*AboutWnd());
        ProcessEvents();
        QTest::mouseClick(::ControlWnd()->helpBtn()->NativeWidget(), Qt::LeftButton);
        ASSERT_TRUE(helpWnd()->Visible());
        ASSERT_FALSE(AboutWnd()->Visible());
        ::ControlWnd()->NativeWindow()->close();
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_TRUE(loopRan_);
}

TEST_F(Startup, FailedApplicationObjectIsReportedOnceAndNothingElseRuns) {
    DialogRecorder dialogs;
    // Left from before, so that its release shows the finalisers ran.
    RuntimeRegisterAppObject(std::make_shared<Veltranoquisenary>());
    OnceTheLoopRuns([] { Quit(0); });

    const int status = RunProgram(FailingApplicationClass);

    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("construction failed"), std::string::npos);
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_FALSE(loopRan_) << "the event loop ran";
    EXPECT_EQ(App(), nullptr) << "the finalisers did not run";
    EXPECT_EQ(status, RuntimeExit());
    EXPECT_EQ(status, 1) << "a program that could not start must not report success";
}

TEST_F(Startup, AnExceptionPendingBeforeMainIsReportedAndSkipsStartUp) {
    DialogRecorder dialogs;
    Main(VeltranoquisenaryClass,
         std::make_exception_ptr(NilObjectException("left by the initialisers")));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].find("left by the initialisers"), std::string::npos);
    EXPECT_EQ(App(), nullptr);
    EXPECT_TRUE(OpenWindows().empty());
}

// The exception helper: runtime exceptions come back as the result, others pass on.
void Succeeds(void* value) { *static_cast<int*>(value) += 1; }
void RaisesRuntimeException(void*) { throw RuntimeException("runtime"); }
void RaisesTypeCastException(void*) { throw TypeCastException("cast"); }
void RaisesOtherException(void*) { throw std::logic_error("other"); }

TEST(ExceptionHelper, PassesTheValueAndReturnsNothingOnSuccess) {
    int calls = 0;
    EXPECT_EQ(CallFunctionWithExceptionHandling(Succeeds, &calls), nullptr);
    EXPECT_EQ(calls, 1);
}

TEST(ExceptionHelper, ReturnsRuntimeExceptionsAndTheirSubclasses) {
    for (auto function : {RaisesRuntimeException, RaisesTypeCastException}) {
        std::exception_ptr escaped;
        ASSERT_NO_THROW(escaped = CallFunctionWithExceptionHandling(function, nullptr));
        ASSERT_NE(escaped, nullptr);
        EXPECT_THROW(std::rethrow_exception(escaped), RuntimeException);
    }
    std::exception_ptr cast = CallFunctionWithExceptionHandling(RaisesTypeCastException, nullptr);
    EXPECT_THROW(std::rethrow_exception(cast), TypeCastException) << "the object itself";
}

TEST(ExceptionHelper, LetsOtherExceptionsPass) {
    EXPECT_THROW(CallFunctionWithExceptionHandling(RaisesOtherException, nullptr),
                 std::logic_error);
}

}  // namespace
