#pragma once

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <QtTest/QTest>

#include <map>
#include <memory>
#include <string>

#include "calculator/ControlWnd.h"
#include "tests/support/GuiTest.h"

inline constexpr const char* kInputFields[] = {"kFld", "nFld", "detFld"};
inline constexpr const char* kResultFields[] = {"hFld", "dfFld", "pFld"};
inline constexpr const char* kResultControls[] = {"hFld",    "hLabel", "dfFld",
                                                  "dfLabel", "pFld",   "pLabel"};
inline constexpr const char* kTextFields[] = {"kFld", "nFld", "detFld", "hFld", "dfFld", "pFld"};

// A calculator window, active, driven as a user would: keys go to whichever field has
// the focus, buttons are pressed with the mouse.
class CalculatorWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        OpenWindow();
    }

    void OpenWindow() {
        window = ControlWnd();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->NativeWindow()));
    }

    void TearDown() override {
        window.reset();
        GuiTest::TearDown();
    }

    QWidget* Widget(const char* name) const {
        auto* widget = window->NativeWindow()->findChild<QWidget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QLineEdit* Edit(const char* name) const {
        return window->NativeWindow()->findChild<QLineEdit*>(name);
    }
    QPushButton* Button(const char* name) const {
        return window->NativeWindow()->findChild<QPushButton*>(name);
    }

    static QWidget* Focused() { return QApplication::focusWidget(); }
    static std::string FocusName() {
        auto* focused = Focused();
        return focused != nullptr ? focused->objectName().toStdString() : "(none)";
    }

    // One key press and release into the focused widget, with the text the keyboard
    // would give it.
    static void Key(Qt::Key key, const QString& text = {},
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::sendKeyEvent(QTest::Click, Focused(), key, text, modifiers);
    }
    // Types the characters one by one into whichever field has the focus.
    static void Type(const QString& text) {
        for (QChar c : text) {
            QTest::keyClick(Focused(), c.toLatin1());
        }
    }
    static void Tab() { Key(Qt::Key_Tab, "\t"); }

    // Clicks into the field, then replaces its text by typing.
    void Retype(const char* field, const QString& text) {
        QTest::mouseClick(Edit(field), Qt::LeftButton);
        QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
        Key(Qt::Key_Backspace, "\b");
        Type(text);
    }

    // The press alone is what the buttons act on; the release follows as it would.
    void Press(const char* button) {
        QTest::mousePress(Button(button), Qt::LeftButton);
        QTest::mouseRelease(Button(button), Qt::LeftButton);
    }

    // The Press of assistive technology (a screen reader, voice control), which comes
    // in from the event loop.
    void PressAccessibly(const char* button) {
        QAccessible::queryAccessibleInterface(Button(button))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    }

    // k, n and the determinant typed into an empty window: a click into kFld, then
    // Tab from field to field.
    void TypeInputs(const QString& k, const QString& n, const QString& det) {
        QTest::mouseClick(Edit("kFld"), Qt::LeftButton);
        Type(k);
        Tab();
        Type(n);
        Tab();
        Type(det);
    }

    // The first worked example, typed and calculated.
    void ShowResults() {
        TypeInputs("10", "82", ".0025");
        Press("calcBtn");
        ASSERT_TRUE(window->hFld()->Visible());
    }

    // Everything a calculation or Clear can change, but the focus.
    std::map<std::string, std::string> State() const {
        std::map<std::string, std::string> state;
        for (const char* field : kTextFields) {
            state[std::string(field) + ".Text"] = Edit(field)->text().toStdString();
        }
        for (const char* control : kResultControls) {
            state[std::string(control) + ".Visible"] =
                window->ControlByName<RectControl>(control)->Visible() ? "shown" : "hidden";
        }
        return state;
    }

    std::shared_ptr<class ControlWnd> window;
};
