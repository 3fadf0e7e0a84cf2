#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "calculator/ControlWnd.h"
#include "framework/Runtime.h"
#include "shell/AboutWnd.h"
#include "shell/Startup.h"
#include "shell/helpWnd.h"
#include "tests/shell/ShellTest.h"
#include "tests/support/GuiTest.h"

using namespace shelltest;

namespace {

// The window's menu entry with that caption.
QAction* MenuAction(const Window& window, const QString& caption) {
    for (auto* action : window.NativeWindow()->findChildren<QAction*>()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

class CalculatorCommands : public GuiTest {
  protected:
    // The usual state once start-up is over: the About window hidden, the calculator
    // in front.
    std::shared_ptr<class ControlWnd> AfterStartUp() {
        MakeDefaultView();
        PressMouseIn(*AboutWnd());
        ProcessEvents();
        EXPECT_FALSE(AboutWnd()->Visible());
        return ::ControlWnd();
    }
};

TEST_F(CalculatorCommands, RegistersItsThreeHandlersInOrder) {
    auto calculator = ::ControlWnd();
    EXPECT_EQ(calculator->MenuHandlerNames(),
              (std::vector<std::string>{"FileQuit", "InfoItem", "AboutItem"}));
}

TEST_F(CalculatorCommands, RegisteringForAnotherWindowClassRegistersNothing) {
    auto calculator = ::ControlWnd();
    auto help = helpWnd();
    EXPECT_THROW(calculator->AddMenuHandlers(*help), TypeCastException);
    EXPECT_EQ(calculator->MenuHandlerNames().size(), 3u);
}

TEST_F(CalculatorCommands, HelpButtonShowsTheHelpWindowOnPressAndTouchesNothingElse) {
    auto calculator = AfterStartUp();
    calculator->kFld()->Text("10");
    calculator->nFld()->Text("82");
    calculator->detFld()->Text(".0025");
    calculator->hFld()->Text("0.1923238");
    calculator->hFld()->Visible(true);
    calculator->nFld()->SetFocus();

    auto* button = qobject_cast<QPushButton*>(calculator->helpBtn()->NativeWidget());
    ASSERT_NE(button, nullptr);
    QTest::mousePress(button, Qt::LeftButton);
    ASSERT_NE(Existing("helpWnd.helpWnd"), nullptr) << "shown on the press";
    EXPECT_TRUE(button->isDown()) << "the press goes on to the button";
    auto help = helpWnd();
    EXPECT_TRUE(help->Visible());
    QTest::mouseRelease(button, Qt::LeftButton);

    EXPECT_EQ(calculator->kFld()->Text(), "10");
    EXPECT_EQ(calculator->nFld()->Text(), "82");
    EXPECT_EQ(calculator->detFld()->Text(), ".0025");
    EXPECT_EQ(calculator->hFld()->Text(), "0.1923238");
    EXPECT_TRUE(calculator->hFld()->Visible());
    EXPECT_FALSE(calculator->dfFld()->Visible());
    EXPECT_FALSE(calculator->pFld()->Visible());

    QTest::mouseClick(calculator->helpBtn()->NativeWidget(), Qt::LeftButton);
    EXPECT_EQ(helpWnd(), help) << "a second press brings back the same window";
}

TEST_F(CalculatorCommands, HelpButtonShowsTheHelpWindowOnAnAccessiblePress) {
    auto calculator = AfterStartUp();
    QAccessible::queryAccessibleInterface(calculator->helpBtn()->NativeWidget())
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    ProcessEvents();
    ASSERT_NE(Existing("helpWnd.helpWnd"), nullptr);
    EXPECT_TRUE(helpWnd()->Visible());
}

TEST_F(CalculatorCommands, HelpButtonAfterCloseOpensANewHelpWindow) {
    auto calculator = AfterStartUp();
    QTest::mouseClick(calculator->helpBtn()->NativeWidget(), Qt::LeftButton);
    auto first = helpWnd();
    CloseBox(*first);
    QTest::mouseClick(calculator->helpBtn()->NativeWidget(), Qt::LeftButton);
    auto second = Existing("helpWnd.helpWnd");
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->Visible());
}

TEST_F(CalculatorCommands, InfoAndAboutComeFromTheMenuBar) {
    auto calculator = AfterStartUp();
    QAction* info = MenuAction(*calculator, "Info");
    QAction* about = MenuAction(*calculator, "About Veltranoquisenary");
    ASSERT_NE(info, nullptr);
    ASSERT_NE(about, nullptr);

    info->trigger();
    ProcessEvents();
    ASSERT_NE(Existing("helpWnd.helpWnd"), nullptr);
    EXPECT_TRUE(helpWnd()->Visible());

    about->trigger();
    ProcessEvents();
    EXPECT_TRUE(AboutWnd()->Visible());
    EXPECT_TRUE(calculator->Visible()) << "the calculator stays open";
    EXPECT_EQ(QApplication::activeWindow(), AboutWnd()->NativeWindow());
}

TEST_F(CalculatorCommands, ClosingHelpOrAboutWindowDoesNotQuit) {
    auto calculator = AfterStartUp();
    calculator->InvokeMenuHandler("InfoItem");
    CloseBox(*helpWnd());
    EXPECT_FALSE(IsQuitting());
    calculator->InvokeMenuHandler("AboutItem");
    CloseBox(*AboutWnd());
    EXPECT_FALSE(IsQuitting());
    EXPECT_EQ(OpenWindows().size(), 1u);
    EXPECT_TRUE(calculator->Visible());
}

// The two ways to end the program, each with and without the help window open.
struct Ending {
    const char* name;
    std::function<void(class ControlWnd&)> end;
    bool helpOpen;
};

void PrintTo(const Ending& ending, std::ostream* out) { *out << ending.name; }

class ProgramEnding : public CalculatorCommands, public testing::WithParamInterface<Ending> {};

TEST_P(ProgramEnding, EndsWithStatusZero) {
    auto calculator = AfterStartUp();
    if (GetParam().helpOpen) {
        calculator->InvokeMenuHandler("InfoItem");
        ASSERT_TRUE(helpWnd()->Visible());
    }
    ASSERT_FALSE(IsQuitting());
    GetParam().end(*calculator);
    EXPECT_TRUE(IsQuitting());
    EXPECT_EQ(RuntimeExit(), 0);
}

void ChooseQuit(class ControlWnd& calculator) {
    QAction* quit = MenuAction(calculator, "&Quit");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->shortcut(), QKeySequence("Ctrl+Q"));
    quit->trigger();
}

void UseCloseBox(class ControlWnd& calculator) { CloseBox(calculator); }

INSTANTIATE_TEST_SUITE_P(QuitAndClose, ProgramEnding,
                         testing::Values(Ending{"Quit", ChooseQuit, false},
                                         Ending{"QuitWithHelpOpen", ChooseQuit, true},
                                         Ending{"Close", UseCloseBox, false},
                                         Ending{"CloseWithHelpOpen", UseCloseBox, true}),
                         [](const testing::TestParamInfo<Ending>& info) {
                             return info.param.name;
                         });

TEST_F(CalculatorCommands, QuitMenuHandlerReportsHandled) {
    auto calculator = AfterStartUp();
    EXPECT_TRUE(calculator->InvokeMenuHandler("FileQuit"));
    EXPECT_TRUE(IsQuitting());
    // Quitting may close the calculator, which asks to quit once more.
    calculator->Close();
    EXPECT_EQ(RuntimeExit(), 0);
}

}  // namespace
