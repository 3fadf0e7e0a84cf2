// The key filters of the six text fields, key by key through the real key path.
#include <string>
#include <vector>

#include "tests/calculator/CalculatorWindowTest.h"

namespace {

// What a key does to a field holding "12" with the caret between the two digits.
enum class Effect {
    Inserted,       // "1?2", caret after the new character
    Refused,        // one beep; text, caret and focus unchanged
    CaretLeft,      // caret before "1"
    CaretRight,     // caret after "2"
    DeletedBefore,  // "2"
    DeletedAfter,   // "1"
    FocusMoved,     // the next field of the tab order has the focus
    Ignored,        // no beep; text, caret and focus unchanged (a modifier pressed alone)
};

struct KeyCase {
    const char* name;
    Qt::Key key;
    QString text;
    Effect inDeterminant;
    Effect elsewhere;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

KeyCase Same(const char* name, Qt::Key key, QString text, Effect effect,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return {name, key, std::move(text), effect, effect, modifiers};
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
            case Effect::Refused:
            case Effect::Ignored:
                EXPECT_EQ(edit->text(), "12");
                EXPECT_EQ(edit->cursorPosition(), 1);
                EXPECT_EQ(Focused(), edit);
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
