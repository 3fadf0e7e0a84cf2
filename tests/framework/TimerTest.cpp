#include "framework/Timer.h"

#include <QCoreApplication>
#include <QtTest/QTest>
#include <chrono>
#include <thread>

#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

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
                timer->Action.Attach([this](Timer&) {
                    ++fired_;
                    firedAt_ = Clock::now();
                });
            };
        });
        return window_->ControlByName<Timer>("Timer1");
    }

    std::shared_ptr<TestWindow> window_;
    int fired_ = 0;
    Clock::time_point firedAt_;
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

// A timer that Qt may coalesce is pulled towards a whole second of the monotonic clock,
// by up to 5% of its period: armed a little after one, it would fire that much early.
TEST_F(TimerTest, NeverFiresBeforeItsPeriodHasPassed) {
    const auto phase = [] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   Clock::now().time_since_epoch())
                   .count() %
               1000;
    };
    for (auto ms = phase(); ms < 25 || ms >= 45; ms = phase()) {
        std::this_thread::sleep_for(1ms);
    }
    const auto armedAt = Clock::now();
    MakeTimer(1000);
    ASSERT_TRUE(QTest::qWaitFor([this] { return fired_ == 1; }, 3000));
    EXPECT_GE(firedAt_ - armedAt, 1000ms)
        << std::chrono::duration_cast<std::chrono::milliseconds>(firedAt_ - armedAt).count()
        << " ms";
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
