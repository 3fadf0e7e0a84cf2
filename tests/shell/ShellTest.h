#pragma once

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QPoint>
#include <QtTest/QTest>

#include <memory>

#include "framework/Timer.h"
#include "framework/Window.h"

namespace shelltest {

// Posted events, timer expiries included, need a turn or two of the loop.
inline void ProcessEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

inline std::shared_ptr<Window> Existing(const char* className) {
    return GetImplicitWindow(className);
}

inline bool CalculatorExists() { return Existing("ControlWnd.ControlWnd") != nullptr; }

// Lets the timer's period run out now and delivers the expiry.
inline void Elapse(Timer& timer) {
    ASSERT_TRUE(timer.ElapseNow()) << "the timer was not armed";
    ProcessEvents();
}

// A press on the window's empty background, away from its controls.
inline void PressMouseIn(const Window& window) {
    QTest::mousePress(window.ContentWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
}

inline void PressKeyIn(const Window& window, Qt::Key key = Qt::Key_A) {
    QTest::keyClick(window.NativeWindow(), key);
}

// The close box: the same path as the user's click on it.
inline void CloseBox(const Window& window) {
    window.NativeWindow()->close();
    ProcessEvents();
}

}  // namespace shelltest
