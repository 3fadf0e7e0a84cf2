#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include "calculator/ControlWnd.h"
#include "framework/Canvas.h"
#include "framework/Label.h"
#include "framework/Runtime.h"
#include "shell/AboutWnd.h"
#include "shell/LogoPictures.h"
#include "shell/Startup.h"
#include "tests/shell/ShellTest.h"
#include "tests/support/GuiTest.h"

using namespace shelltest;

namespace {

class AboutWindow : public GuiTest {
  protected:
    // As at start-up: the About window as the default window, its timer running.
    std::shared_ptr<class AboutWnd> StartUp() {
        MakeDefaultView();
        auto about = Cast<class AboutWnd>(Existing("AboutWnd.AboutWnd"));
        EXPECT_TRUE(about->Visible());
        EXPECT_TRUE(about->Timer1()->IsArmed());
        return about;
    }

    static void ExpectCalculatorInFront() {
        ASSERT_TRUE(CalculatorExists());
        auto calculator = Existing("ControlWnd.ControlWnd");
        EXPECT_TRUE(calculator->Visible());
        EXPECT_EQ(QApplication::activeWindow(), calculator->NativeWindow());
    }
};

// What gives way to the calculator before the timer does.
enum class Input { MouseDown, KeyDown };

void PrintTo(Input input, std::ostream* out) {
    *out << (input == Input::MouseDown ? "mouse-down" : "key-down");
}

void Give(Input input, const Window& window) {
    if (input == Input::MouseDown) {
        PressMouseIn(window);
    } else {
        PressKeyIn(window);
    }
    ProcessEvents();
}

class AboutWindowInput : public AboutWindow, public testing::WithParamInterface<Input> {};

// absent -> shown, timer pending
TEST_F(AboutWindow, StartUpShowsItAloneWithItsTimerPending) {
    auto about = StartUp();
    EXPECT_EQ(OpenWindows().size(), 1u);
    EXPECT_FALSE(CalculatorExists());
    EXPECT_EQ(about->Timer1()->RunMode(), 1);
    EXPECT_EQ(about->Timer1()->Period(), 4000);
}

// shown, timer pending -> hidden, timer pending (input)
TEST_P(AboutWindowInput, InputWhileTimerPendingHidesItAndOpensTheCalculator) {
    auto about = StartUp();
    Give(GetParam(), *about);
    EXPECT_FALSE(about->Visible());
    EXPECT_TRUE(about->Timer1()->IsArmed());
    ExpectCalculatorInFront();
    EXPECT_EQ(AboutWnd(), about) << "hidden, not closed";
}

// shown, timer pending -> hidden, timer spent
TEST_F(AboutWindow, TimerGivesWayToTheCalculatorCreatedThen) {
    auto about = StartUp();
    Elapse(*about->Timer1());
    EXPECT_FALSE(about->Visible());
    EXPECT_FALSE(about->Timer1()->IsArmed());
    ExpectCalculatorInFront();
}

// hidden, timer pending -> hidden, timer spent
TEST_P(AboutWindowInput, TimerAfterEarlyDismissalBringsTheSameCalculatorForward) {
    auto about = StartUp();
    Give(GetParam(), *about);
    auto calculator = Existing("ControlWnd.ControlWnd");
    ASSERT_TRUE(calculator);
    ASSERT_TRUE(calculator->InvokeMenuHandler("InfoItem"));
    ProcessEvents();
    ASSERT_NE(QApplication::activeWindow(), calculator->NativeWindow());

    Elapse(*about->Timer1());
    EXPECT_FALSE(about->Visible());
    ExpectCalculatorInFront();
    EXPECT_EQ(Existing("ControlWnd.ControlWnd"), calculator);
    EXPECT_EQ(OpenWindows().size(), 3u) << "About, calculator and help, no second calculator";
}

// hidden, timer pending -> shown, timer pending; the pending timer then hides it again
TEST_F(AboutWindow, ShownAgainWhileTimerPendingItIsHiddenWhenTheTimerFires) {
    auto about = StartUp();
    PressMouseIn(*about);
    ProcessEvents();
    ASSERT_TRUE(::ControlWnd()->InvokeMenuHandler("AboutItem"));
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(AboutWnd(), about);
    EXPECT_TRUE(about->Timer1()->IsArmed());

    Elapse(*about->Timer1());
    EXPECT_FALSE(about->Visible());
    ExpectCalculatorInFront();
}

// hidden, timer spent -> shown, timer spent; then input -> hidden, timer spent
TEST_P(AboutWindowInput, ShownAgainAfterTheTimerItStaysUntilInput) {
    auto about = StartUp();
    Elapse(*about->Timer1());
    ASSERT_TRUE(::ControlWnd()->InvokeMenuHandler("AboutItem"));
    ProcessEvents();
    EXPECT_TRUE(about->Visible());
    EXPECT_EQ(AboutWnd(), about);
    EXPECT_FALSE(about->Timer1()->IsArmed()) << "showing it again must not re-arm the timer";
    EXPECT_FALSE(about->Timer1()->ElapseNow());
    ProcessEvents();
    EXPECT_TRUE(about->Visible());

    Give(GetParam(), *about);
    EXPECT_FALSE(about->Visible());
    ExpectCalculatorInFront();
}

INSTANTIATE_TEST_SUITE_P(MouseAndKey, AboutWindowInput,
                         testing::Values(Input::MouseDown, Input::KeyDown),
                         [](const testing::TestParamInfo<Input>& info) {
                             return info.param == Input::MouseDown ? "MouseDown" : "KeyDown";
                         });

TEST_F(AboutWindow, EveryKeyDismissesIt) {
    for (Qt::Key key : {Qt::Key_Z, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Left, Qt::Key_5}) {
        auto about = AboutWnd();
        about->Show();
        PressKeyIn(*about, key);
        ProcessEvents();
        EXPECT_FALSE(about->Visible()) << "key " << key;
    }
}

TEST_F(AboutWindow, InputHandlersNeverClaimTheEvent) {
    auto about = StartUp();
    EXPECT_FALSE(about->Event_MouseDown(0, 0));
    EXPECT_FALSE(about->Event_KeyDown("x"));
    about->Show();
    EXPECT_FALSE(about->Event_KeyDown("\r"));
    EXPECT_FALSE(about->Visible());
}

// either shown state -> absent (close box)
class AboutWindowClose : public AboutWindow, public testing::WithParamInterface<bool> {};

TEST_P(AboutWindowClose, CloseBoxEndsItWithItsTimer) {
    const bool timerSpent = GetParam();
    auto about = StartUp();
    if (timerSpent) {
        Elapse(*about->Timer1());
        ASSERT_TRUE(::ControlWnd()->InvokeMenuHandler("AboutItem"));
        ProcessEvents();
    }
    ASSERT_TRUE(about->Visible());
    std::shared_ptr<Timer> timer = about->Timer1();

    CloseBox(*about);
    EXPECT_TRUE(about->IsClosed());
    EXPECT_EQ(Existing("AboutWnd.AboutWnd"), nullptr);
    EXPECT_FALSE(timer->ElapseNow()) << "a closed window's timer never fires";
    ProcessEvents();
    EXPECT_EQ(CalculatorExists(), timerSpent);
    if (timerSpent) {
        EXPECT_FALSE(IsQuitting()) << "closing the About window must not quit";
        EXPECT_TRUE(::ControlWnd()->Visible());
    }
}

INSTANTIATE_TEST_SUITE_P(TimerPendingAndSpent, AboutWindowClose, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return info.param ? "TimerSpent" : "TimerPending";
                         });

// absent -> shown, timer pending (About command after close)
TEST_F(AboutWindow, AboutCommandAfterCloseBuildsANewWindowWithANewTimer) {
    auto first = StartUp();
    Elapse(*first->Timer1());
    ASSERT_TRUE(::ControlWnd()->InvokeMenuHandler("AboutItem"));
    CloseBox(*first);

    ASSERT_TRUE(::ControlWnd()->InvokeMenuHandler("AboutItem"));
    ProcessEvents();
    auto second = Cast<class AboutWnd>(Existing("AboutWnd.AboutWnd"));
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->Visible());
    EXPECT_TRUE(second->Timer1()->IsArmed());
    EXPECT_EQ(second->Timer1()->Period(), 4000);

    Elapse(*second->Timer1());
    EXPECT_FALSE(second->Visible());
    ExpectCalculatorInFront();
}

TEST_F(AboutWindow, OpensAsItsRecordDescribes) {
    auto about = StartUp();
    QWidget* window = about->NativeWindow();
    EXPECT_EQ(about->ContentWidget()->size(), QSize(500, 250));
    EXPECT_EQ(about->Title(), "");
    EXPECT_EQ(about->ContentWidget()->minimumSize(), QSize(64, 64));
    EXPECT_EQ(about->ContentWidget()->maximumSize(), QSize(32000, 32000));
    const auto flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowFullscreenButtonHint);
    EXPECT_TRUE(about->ContentWidget()->autoFillBackground());
    EXPECT_EQ(about->ContentWidget()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(about->MenuBar(), nullptr) << "the About window installs no menu bar";
}

// The window has no title, but its title bar shows the application's name, and so
// does what a screen reader announces; its logo is a named picture.
TEST_F(AboutWindow, AScreenReaderNamesTheWindowAndItsLogo) {
    auto about = StartUp();
    auto* frame = QAccessible::queryAccessibleInterface(about->NativeWindow());
    EXPECT_EQ(frame->text(QAccessible::Name), QApplication::applicationDisplayName());
    auto* logo = QAccessible::queryAccessibleInterface(about->Canvas1()->NativeWidget());
    EXPECT_EQ(logo->role(), QAccessible::Graphic);
    EXPECT_FALSE(logo->text(QAccessible::Name).isEmpty());
}

TEST_F(AboutWindow, ShowsTheLogoAndANoticeThatFitsItsLabel) {
    auto about = StartUp();
    EXPECT_EQ(about->Canvas1()->Backdrop(), Veltr400());
    ASSERT_NE(about->Canvas1()->Backdrop(), nullptr);

    auto* label = qobject_cast<QLabel*>(about->StaticText2()->NativeWidget());
    ASSERT_NE(label, nullptr);
    const std::string notice = about->StaticText2()->Text();
    EXPECT_FALSE(notice.empty());
    EXPECT_EQ(notice.find('\n'), std::string::npos);
    EXPECT_EQ(notice.find('\r'), std::string::npos);
    EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width())
        << notice;
    EXPECT_EQ(label->geometry(), QRect(136, 215, 229, 15));
}

}  // namespace
