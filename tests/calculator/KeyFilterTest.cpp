// The key filters of the six text fields, key by key through the real key path.
#include <QClipboard>
#include <string>
#include <vector>

#include "tests/calculator/CalculatorWindowTest.h"

namespace {

// What a key does to a field holding "12" with the caret between the two digits, while
// the clipboard holds the case's text.
enum class Effect {
    Inserted,       // "1?2", caret after the new character
    Pasted,         // the clipboard's text inserted as "1?2" is, the clipboard unchanged
    Copied,         // with both digits selected: the clipboard holds "12", the text unchanged
    Cut,            // with both digits selected: the clipboard holds "12", the field empty
    Refused,        // one beep; text, caret and focus unchanged
    CaretLeft,      // caret before "1"
    CaretRight,     // caret after "2"
    DeletedBefore,  // "2"
    DeletedAfter,   // "1"
    FocusMoved,     // the next field of the tab order has the focus
    Ignored,        // no beep; text, caret, focus and clipboard unchanged
};

struct KeyCase {
    const char* name;
    Qt::Key key;
    QString text;
    Effect inDeterminant;
    Effect elsewhere;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString clipboard = "34";
};

KeyCase Same(const char* name, Qt::Key key, QString text, Effect effect,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier, QString clipboard = "34") {
    return {name, key, std::move(text), effect, effect, modifiers, std::move(clipboard)};
}

std::vector<KeyCase> KeyTable() {
    std::vector<KeyCase> keys;
    for (int digit = 0; digit <= 9; ++digit) {
        keys.push_back(Same("digit", static_cast<Qt::Key>(Qt::Key_0 + digit),
                            QString::number(digit), Effect::Inserted));
    }
    keys.push_back({"full stop", Qt::Key_Period, ".", Effect::Inserted, Effect::Refused});
    keys.push_back({"slash", Qt::Key_Slash, "/", Effect::Inserted, Effect::Refused});
    keys.push_back(Same("minus", Qt::Key_Minus, "-", Effect::Refused));
    keys.push_back(Same("plus", Qt::Key_Plus, "+", Effect::Refused));
    keys.push_back(Same("comma", Qt::Key_Comma, ",", Effect::Refused));
    keys.push_back(Same("space", Qt::Key_Space, " ", Effect::Refused));
    keys.push_back(Same("e", Qt::Key_E, "e", Effect::Refused));
    keys.push_back(Same("E", Qt::Key_E, "E", Effect::Refused, Qt::ShiftModifier));
    keys.push_back(Same("letter x", Qt::Key_X, "x", Effect::Refused));
    keys.push_back(Same("colon", Qt::Key_Colon, ":", Effect::Refused, Qt::ShiftModifier));
    keys.push_back(Same("e acute", Qt::Key_Eacute, QString::fromUtf8("\u00e9"), Effect::Refused));
    keys.push_back(Same("euro", Qt::Key_unknown, QString::fromUtf8("\u20ac"), Effect::Refused));
    keys.push_back(Same("Return", Qt::Key_Return, "\r", Effect::Refused));
    keys.push_back(Same("Enter", Qt::Key_Enter, "\r", Effect::Refused, Qt::KeypadModifier));
    keys.push_back(Same("Escape", Qt::Key_Escape, "\x1b", Effect::Refused));
    keys.push_back(Same("Up", Qt::Key_Up, "", Effect::Refused));
    keys.push_back(Same("Down", Qt::Key_Down, "", Effect::Refused));
    keys.push_back(Same("Home", Qt::Key_Home, "", Effect::Refused));
    // Keys that type nothing and carry no code of their own.
    keys.push_back(Same("Insert", Qt::Key_Insert, "", Effect::Refused));
    keys.push_back(Same("Pause", Qt::Key_Pause, "", Effect::Refused));
    keys.push_back(Same("Scroll Lock", Qt::Key_ScrollLock, "", Effect::Refused));
    keys.push_back(Same("F1", Qt::Key_F1, "", Effect::Refused));
    keys.push_back(Same("F24", Qt::Key_F24, "", Effect::Refused));
    keys.push_back(Same("Shift alone", Qt::Key_Shift, "", Effect::Ignored, Qt::ShiftModifier));
    // Keys for the desktop, and the Menu key, with which the platform opens the context
    // menu (offscreen it opens none).
    keys.push_back(Same("volume up", Qt::Key_VolumeUp, "", Effect::Ignored));
    keys.push_back(Same("media play", Qt::Key_MediaPlay, "", Effect::Ignored));
    keys.push_back(Same("Menu", Qt::Key_Menu, "", Effect::Ignored));
    // The editing commands of Linux desktops, as Edit > Paste, Copy and Cut; a paste
    // that would take the field past its character limit inserts nothing, silently.
    keys.push_back(Same("Shift+Insert", Qt::Key_Insert, "", Effect::Pasted, Qt::ShiftModifier));
    keys.push_back(Same("Shift+Insert past the limit", Qt::Key_Insert, "", Effect::Ignored,
                        Qt::ShiftModifier, "34567890"));
    keys.push_back(Same("Ctrl+Insert", Qt::Key_Insert, "", Effect::Copied, Qt::ControlModifier));
    keys.push_back(Same("Shift+Delete", Qt::Key_Delete, "", Effect::Cut, Qt::ShiftModifier));
    keys.push_back(Same("Left", Qt::Key_Left, "", Effect::CaretLeft));
    keys.push_back(Same("Right", Qt::Key_Right, "", Effect::CaretRight));
    keys.push_back(Same("Backspace", Qt::Key_Backspace, "\b", Effect::DeletedBefore));
    keys.push_back(Same("Delete", Qt::Key_Delete, "\x7f", Effect::DeletedAfter));
    keys.push_back(Same("Tab", Qt::Key_Tab, "\t", Effect::FocusMoved));
    return keys;
}

class KeyFilterTest : public CalculatorWindowTest,
                      public testing::WithParamInterface<const char*> {};

TEST_P(KeyFilterTest, AcceptedKeysEditSilentlyAndRefusedKeysBeepOnceAndChangeNothing) {
    const std::string field = GetParam();
    ShowResults();  // the result fields take keys only while shown
    QLineEdit* edit = Edit(field.c_str());

    for (const auto& key : KeyTable()) {
        SCOPED_TRACE(testing::Message()
                     << field << ", key " << key.name << " " << key.text.toStdString());
        window->ControlByName<TextField>(field)->Text("12");
        window->ControlByName<TextField>(field)->SetFocus();
        edit->setCursorPosition(1);
        if (key.elsewhere == Effect::Copied || key.elsewhere == Effect::Cut) {
            edit->selectAll();
        }
        QApplication::clipboard()->setText(key.clipboard);
        ASSERT_EQ(Focused(), edit);

        DialogRecorder dialogs;
        Key(key.key, key.text, key.modifiers);

        const Effect effect = field == "detFld" ? key.inDeterminant : key.elsewhere;
        EXPECT_EQ(dialogs.beeps, effect == Effect::Refused ? 1 : 0);
        EXPECT_TRUE(dialogs.messages.empty());
        switch (effect) {
            case Effect::Inserted:
                EXPECT_EQ(edit->text(), "1" + key.text + "2");
                EXPECT_EQ(edit->cursorPosition(), 2);
                break;
            case Effect::Pasted:
                EXPECT_EQ(edit->text(), "1" + key.clipboard + "2");
                EXPECT_EQ(edit->cursorPosition(), 1 + key.clipboard.size());
                EXPECT_EQ(QApplication::clipboard()->text(), key.clipboard);
                break;
            case Effect::Copied:
                EXPECT_EQ(edit->text(), "12");
                EXPECT_EQ(QApplication::clipboard()->text(), "12");
                break;
            case Effect::Cut:
                EXPECT_EQ(edit->text(), "");
                EXPECT_EQ(QApplication::clipboard()->text(), "12");
                break;
            case Effect::Refused:
            case Effect::Ignored:
                EXPECT_EQ(edit->text(), "12");
                EXPECT_EQ(edit->cursorPosition(), 1);
                EXPECT_EQ(Focused(), edit);
                EXPECT_EQ(QApplication::clipboard()->text(), key.clipboard);
                break;
            case Effect::CaretLeft:
                EXPECT_EQ(edit->text(), "12");
                EXPECT_EQ(edit->cursorPosition(), 0);
                break;
            case Effect::CaretRight:
                EXPECT_EQ(edit->text(), "12");
                EXPECT_EQ(edit->cursorPosition(), 2);
                break;
            case Effect::DeletedBefore:
                EXPECT_EQ(edit->text(), "2");
                break;
            case Effect::DeletedAfter:
                EXPECT_EQ(edit->text(), "1");
                break;
            case Effect::FocusMoved:
                EXPECT_EQ(edit->text(), "12");
                EXPECT_NE(Focused(), edit);
                break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTextField, KeyFilterTest, testing::ValuesIn(kTextFields),
                         [](const auto& info) { return std::string(info.param); });

class ReturnKeyTest : public CalculatorWindowTest,
                      public testing::WithParamInterface<std::tuple<const char*, Qt::Key>> {};

// The window has no keyboard route to "Calculate": with valid inputs, Return and Enter
// only beep.
TEST_P(ReturnKeyTest, StartsNoCalculation) {
    const auto& [field, key] = GetParam();
    TypeInputs("10", "82", ".0025");
    window->ControlByName<TextField>(field)->SetFocus();
    const auto state = State();

    DialogRecorder dialogs;
    Key(key, "\r", key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(State(), state);
    EXPECT_EQ(FocusName(), field);
}

INSTANTIATE_TEST_SUITE_P(InputFields, ReturnKeyTest,
                         testing::Combine(testing::ValuesIn(kInputFields),
                                          testing::Values(Qt::Key_Return, Qt::Key_Enter)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == Qt::Key_Return ? "_Return"
                                                                               : "_Enter");
                         });

}  // namespace
