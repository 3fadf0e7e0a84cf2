#include "framework/Timer.h"

#include <QCoreApplication>
#include <QtTest/QTest>

#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

class TimerTest : public GuiTest {
  protected:
    std::shared_ptr<Timer> MakeTimer(std::int64_t period) {
        window_ = MakeTestWindow([this, period](TestWindow& w) {
            w.onCreateControls = [this, period](TestWindow& self) {
                auto timer = self.New<Timer>();
                timer->Constructor();
                self.AddControl("Timer1", timer);
                SetProperties(*timer, PropertyRecord{Int("RunMode", 1), Int("Period", period),
                                                     Bool("Enabled", true)});
                timer->Action.Attach([this](Timer&) { ++fired_; });
            };
        });
        return window_->ControlByName<Timer>("Timer1");
    }

    std::shared_ptr<TestWindow> window_;
    int fired_ = 0;
};

TEST_F(TimerTest, AOneShotTimerFiresOnceThroughTheEventLoop) {
    auto timer = MakeTimer(4000);
    EXPECT_TRUE(timer->IsArmed());
    EXPECT_TRUE(timer->ElapseNow());
    EXPECT_EQ(fired_, 0) << "fired outside the event loop";
    QCoreApplication::processEvents();
    EXPECT_EQ(fired_, 1);
    EXPECT_FALSE(timer->IsArmed());
    EXPECT_FALSE(timer->ElapseNow());
    QCoreApplication::processEvents();
    EXPECT_EQ(fired_, 1);
}

TEST_F(TimerTest, AShortPeriodReallyElapses) {
    MakeTimer(20);
    EXPECT_TRUE(QTest::qWaitFor([this] { return fired_ == 1; }, 2000));
    QTest::qWait(60);
    EXPECT_EQ(fired_, 1);
}

TEST_F(TimerTest, KeepsRunningWhileItsWindowIsHidden) {
    auto timer = MakeTimer(4000);
    window_->Hide();
    EXPECT_TRUE(timer->ElapseNow());
    QCoreApplication::processEvents();
    EXPECT_EQ(fired_, 1);
}

TEST_F(TimerTest, DiesWithItsWindow) {
    auto timer = MakeTimer(20);
    auto other = MakeTestWindow({}, "Other.Other");
    window_->Close();
    EXPECT_FALSE(timer->IsArmed());
    QTest::qWait(60);
    EXPECT_EQ(fired_, 0);
    EXPECT_EQ(timer->ownerWindow(), window_) << "the test still holds the window";
    window_.reset();
    EXPECT_EQ(timer->ownerWindow(), nullptr) << "a timer must not keep its window alive";
}

}  // namespace
