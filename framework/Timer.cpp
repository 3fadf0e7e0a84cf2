#include "framework/Timer.h"

#include <QTimer>
#include <algorithm>

#include "framework/Runtime.h"
#include "framework/UiThread.h"

namespace {
constexpr std::int64_t kOff = 0;
constexpr std::int64_t kSingle = 1;
}  // namespace

Timer::Timer(ControlKey key, Window& owner) : Control(key, owner), timer_(new QTimer) {
    // Qt's default timers may fire up to 5% early so that wake-ups coalesce.
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, [this] { Fire(); });
}

Timer::~Timer() {
    // The timer may be going away inside its own timeout.
    QObject::disconnect(timer_, nullptr, nullptr, nullptr);
    timer_->stop();
    timer_->deleteLater();
}

void Timer::RunMode(std::int64_t mode) {
    CheckUIThread();
    runMode_ = mode;
    Rearm();
}

void Timer::Period(std::int64_t milliseconds) {
    CheckUIThread();
    period_ = milliseconds;
    Rearm();
}

void Timer::Enabled(bool enabled) {
    CheckUIThread();
    enabled_ = enabled;
    Rearm();
}

bool Timer::IsArmed() const { return timer_->isActive(); }

void Timer::Rearm() {
    timer_->stop();
    if (enabled_ && runMode_ != kOff && !stopped_) {
        timer_->setSingleShot(runMode_ == kSingle);
        timer_->start(static_cast<int>(std::max<std::int64_t>(0, period_)));
    }
}

bool Timer::ElapseNow() {
    CheckUIThread();
    if (!timer_->isActive()) {
        return false;
    }
    timer_->stop();
    // As a real expiry would, through the event loop.
    timer_->setSingleShot(true);
    timer_->start(0);
    return true;
}

void Timer::Stop() {
    stopped_ = true;
    timer_->stop();
}

void Timer::Fire() {
    // The handler may close the window and with it drop the last reference.
    auto keepAlive = shared_from_this();
    if (runMode_ == kSingle) {
        runMode_ = kOff;
        timer_->stop();
    } else if (!timer_->isActive() && !stopped_) {
        // A repeating timer that ElapseNow hurried goes back to its period.
        Rearm();
    }
    CallSystemCode([this] { Action.Raise(*this); });
}

bool Timer::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "RunMode") {
        RunMode(std::get<std::int64_t>(value));
    } else if (name == "Period") {
        Period(std::get<std::int64_t>(value));
    } else if (name == "Enabled") {
        Enabled(std::get<bool>(value));
    } else {
        return Control::ApplyProperty(name, value);
    }
    return true;
}
