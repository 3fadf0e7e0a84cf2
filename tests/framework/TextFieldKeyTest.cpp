#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest/QTest>
#include <functional>
#include <optional>

#include "framework/Keys.h"
#include "framework/TextField.h"
#include "tests/framework/TestWindow.h"
#include "tests/support/GuiTest.h"

namespace {

// A window with one text field whose KeyDown records each key and consumes the ones
// the test says to.
class TextFieldTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        window_ = MakeTestWindow([this](TestWindow& w) {
            w.onCreateControls = [this](TestWindow& self) {
                auto field = self.New<TextField>();
                field->Constructor();
                self.AddControl("field", field);
                SetProperties(*field, PropertyRecord{Text("Name", "field"), Int("Width", 80),
                                                     Int("Height", 22), Bool("TabStop", true),
                                                     Int("MaximumCharactersAllowed", limit_)});
                field->KeyDown.Attach([this](TextField&, const std::string& key) {
                    keys_.push_back(key);
                    return consume_ && consume_(key);
                });
            };
        });
        field_ = window_->ControlByName<TextField>("field");
        edit_ = window_->NativeWindow()->findChild<QLineEdit*>("field");
        ASSERT_NE(edit_, nullptr);
        QApplication::setActiveWindow(window_->NativeWindow());
        edit_->setFocus();
    }

    std::int64_t limit_ = 6;
    std::function<bool(const std::string&)> consume_;
    std::vector<std::string> keys_;
    std::shared_ptr<TestWindow> window_;
    std::shared_ptr<TextField> field_;
    QLineEdit* edit_ = nullptr;
};

struct KeyCase {
    const char* label;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::optional<std::int64_t> code;  // none: not delivered
};
void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.label; }

class KeyMapping : public TextFieldTest, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyMapping, ReachesKeyDownAsItsCode) {
    const auto& c = GetParam();
    QTest::keyClick(edit_, c.key, c.modifiers);
    if (!c.code) {
        EXPECT_TRUE(keys_.empty()) << "delivered as code " << static_cast<int>(keys_[0][0]);
        return;
    }
    ASSERT_EQ(keys_.size(), 1u);
    ASSERT_EQ(keys_[0].size(), 1u);
    EXPECT_EQ(static_cast<unsigned char>(keys_[0][0]), *c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyMapping,
    testing::Values(KeyCase{"Backspace", Qt::Key_Backspace, {}, KeyCode::Backspace},
                    KeyCase{"Tab", Qt::Key_Tab, {}, KeyCode::Tab},
                    KeyCase{"Left", Qt::Key_Left, {}, KeyCode::Left},
                    KeyCase{"Right", Qt::Key_Right, {}, KeyCode::Right},
                    KeyCase{"ForwardDelete", Qt::Key_Delete, {}, KeyCode::Delete},
                    KeyCase{"Up", Qt::Key_Up, {}, KeyCode::Up},
                    KeyCase{"Down", Qt::Key_Down, {}, KeyCode::Down},
                    KeyCase{"Return", Qt::Key_Return, {}, KeyCode::Return},
                    KeyCase{"Enter", Qt::Key_Enter, Qt::KeypadModifier, KeyCode::Enter},
                    KeyCase{"Escape", Qt::Key_Escape, {}, KeyCode::Escape},
                    KeyCase{"Digit", Qt::Key_7, {}, '7'},
                    KeyCase{"FullStop", Qt::Key_Period, {}, '.'},
                    KeyCase{"Slash", Qt::Key_Slash, {}, '/'},
                    KeyCase{"Minus", Qt::Key_Minus, {}, '-'},
                    KeyCase{"Space", Qt::Key_Space, {}, ' '}, KeyCase{"Letter", Qt::Key_E, {}, 'e'},
                    KeyCase{"SuperCombination", Qt::Key_X, Qt::MetaModifier, 'x'},
                    KeyCase{"Insert", Qt::Key_Insert, {}, KeyCode::RefusedKey},
                    KeyCase{"Pause", Qt::Key_Pause, {}, KeyCode::RefusedKey},
                    KeyCase{"ScrollLock", Qt::Key_ScrollLock, {}, KeyCode::RefusedKey},
                    KeyCase{"F24", Qt::Key_F24, {}, KeyCode::RefusedKey},
                    KeyCase{"ShiftInsertPastes", Qt::Key_Insert, Qt::ShiftModifier, std::nullopt},
                    KeyCase{"ShiftDeleteCuts", Qt::Key_Delete, Qt::ShiftModifier, std::nullopt},
                    // Volume, media, Menu, Help: only the listed keys that type nothing
                    // are refused.
                    KeyCase{"UnlistedKeyTypingNothing", Qt::Key_VolumeUp, {}, std::nullopt},
                    KeyCase{"CapsLockAlone", Qt::Key_CapsLock, {}, std::nullopt},
                    KeyCase{"CtrlCombination", Qt::Key_C, Qt::ControlModifier, std::nullopt},
                    KeyCase{"ShiftAlone", Qt::Key_Shift, Qt::ShiftModifier, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

// A dead key only begins a composed character, which arrives as text of its own.
TEST_F(TextFieldTest, ADeadKeyAloneIsNotDelivered) {
    QTest::sendKeyEvent(QTest::Click, edit_, Qt::Key_Dead_Acute, QString(), {});
    EXPECT_TRUE(keys_.empty());
}

// Keys whose text the keyboard layout decides: sent with their text, as a desktop does.
TEST_F(TextFieldTest, ShiftedLettersArriveAsTheirOwnCharacter) {
    QTest::sendKeyEvent(QTest::Click, edit_, Qt::Key_E, QStringLiteral("E"), Qt::ShiftModifier);
    EXPECT_EQ(keys_, std::vector<std::string>{"E"});
}

TEST_F(TextFieldTest, CharactersBeyondAsciiArriveAsTheirUtf8Text) {
    QTest::sendKeyEvent(QTest::Click, edit_, Qt::Key_Eacute, QStringLiteral("\u00e9"), {});
    ASSERT_EQ(keys_.size(), 1u);
    EXPECT_EQ(keys_[0], "\xc3\xa9");
}

// Text reaches a field by more routes than a plain key press; whichever it takes,
// each character passes KeyDown first and only what it lets through is inserted.
struct TypingRoute {
    const char* label;
    std::function<void(QLineEdit&)> type;
    std::string text;               // what the field then holds
    std::vector<std::string> keys;  // what KeyDown saw
};
void PrintTo(const TypingRoute& c, std::ostream* os) { *os << c.label; }

void Commit(QLineEdit& edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(&edit, &event);
}

class TypingRoutes : public TextFieldTest, public testing::WithParamInterface<TypingRoute> {};

TEST_P(TypingRoutes, InsertOnlyWhatKeyDownLetsThrough) {
    consume_ = [](const std::string& key) {
        return key.size() != 1 || key[0] < '0' || key[0] > '9';
    };
    GetParam().type(*edit_);
    EXPECT_EQ(edit_->text().toStdString(), GetParam().text);
    EXPECT_EQ(keys_, GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TypingRoutes,
    testing::Values(TypingRoute{"KeyWithSuperHeld",
                                [](QLineEdit& e) {
                                    QTest::sendKeyEvent(QTest::Click, &e, Qt::Key_X,
                                                        QStringLiteral("x"), Qt::MetaModifier);
                                },
                                "",
                                {"x"}},
                    TypingRoute{"KeyWithCtrlAndAltHeldTypesNothing",
                                [](QLineEdit& e) {
                                    QTest::sendKeyEvent(QTest::Click, &e, Qt::Key_X,
                                                        QStringLiteral("x"),
                                                        Qt::ControlModifier | Qt::AltModifier);
                                },
                                "",
                                {}},
                    TypingRoute{"DeadKeyCommit",
                                [](QLineEdit& e) { Commit(e, QStringLiteral("\u00e9")); },
                                "",
                                {"\xc3\xa9"}},
                    TypingRoute{"CommitOfSeveralCharacters",
                                [](QLineEdit& e) { Commit(e, QStringLiteral("1\u20132")); },
                                "12",
                                {"1", "\xe2\x80\x93", "2"}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TextFieldTest, AnAcceptedKeyTakesEffect) {
    QTest::keyClicks(edit_, "12");
    QTest::keyClick(edit_, Qt::Key_Left);
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(edit_->text(), "2");
}

TEST_F(TextFieldTest, AConsumedKeyLeavesTextCaretAndFocusUnchanged) {
    QTest::keyClicks(edit_, "1234");
    edit_->setCursorPosition(2);
    consume_ = [](const std::string&) { return true; };
    for (auto key : {Qt::Key_5, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Tab}) {
        QTest::keyClick(edit_, key);
    }
    EXPECT_EQ(edit_->text(), "1234");
    EXPECT_EQ(edit_->cursorPosition(), 2);
    EXPECT_TRUE(edit_->hasFocus());
}

TEST_F(TextFieldTest, TypingStopsAtTheCharacterLimit) {
    QTest::keyClicks(edit_, "123456789");
    EXPECT_EQ(edit_->text(), "123456");
}

TEST_F(TextFieldTest, PastingPastTheLimitIsRefused) {
    QApplication::clipboard()->setText("1234567");
    edit_->paste();
    EXPECT_EQ(edit_->text(), "");
    QApplication::clipboard()->setText("123");
    edit_->paste();
    EXPECT_EQ(edit_->text(), "123");
}

TEST_F(TextFieldTest, TheProgramWritesTheWholeTextPastTheLimitAndTheUserCanShortenIt) {
    field_->Text(".999999990");
    EXPECT_EQ(field_->Text(), ".999999990");
    edit_->end(false);
    QTest::keyClick(edit_, Qt::Key_1);
    EXPECT_EQ(field_->Text(), ".999999990");
    QTest::keyClick(edit_, Qt::Key_Backspace);
    EXPECT_EQ(field_->Text(), ".99999999");
}

}  // namespace

namespace {

// Text that the program writes is read whole, from its first character to its last,
// without scrolling, for as long as it is shown: in the field's own font where that
// fits, else in a smaller one, fitted again when the field's width or font changes.
struct WrittenText {
    const char* label;
    const char* text;
    bool inOwnFont;
    PropertyRecord whileShown{};  // set while the text is shown
    int ownPixelsAfter = 0;       // the size that whileShown gives the own font
    // Set before the text is written: by default the calculator's result fields'.
    PropertyRecord field{Text("FontName", "Courier"), Single("FontSize", 12.0f),
                         Byte("FontUnit", 0), Int("TextAlignment", 2)};
    // Characters the user deletes from the start before whileShown; what is left is shown
    // in the same font until it fits in the own one.
    int userDeletes = 0;
};
void PrintTo(const WrittenText& c, std::ostream* os) { *os << c.label; }

class WrittenTextTest : public TextFieldTest, public testing::WithParamInterface<WrittenText> {};

TEST_P(WrittenTextTest, IsShownWholeInTheField) {
    const auto& c = GetParam();
    SetProperties(*field_, c.field);
    QFont own = edit_->font();
    if (c.ownPixelsAfter > 0) own.setPixelSize(c.ownPixelsAfter);
    field_->Text(c.text);
    for (int i = 0; i < c.userDeletes; ++i) {
        QTest::keyClick(edit_, Qt::Key_Delete);
    }
    const auto text = edit_->text();
    SetProperties(*field_, c.whileShown);
    (void)edit_->grab();  // lays the text out as painting it on screen does
    const int middle = edit_->height() / 2;
    EXPECT_EQ(edit_->cursorPositionAt(QPoint(0, middle)), 0) << "the start is cut off";
    EXPECT_EQ(edit_->cursorPositionAt(QPoint(edit_->width() - 1, middle)), text.size())
        << "the end is cut off";
    EXPECT_EQ(edit_->font() == own, c.inOwnFont) << edit_->font().toString().toStdString();
    // Emptied again, the field is back to its own font.
    field_->Text("");
    EXPECT_EQ(edit_->font().toString().toStdString(), own.toString().toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Table, WrittenTextTest,
    testing::Values(
        WrittenText{"SmallStatistic", "2.750001e-05", false},
        WrittenText{"SmallNegativeStatistic", "-4.833336e-06", false},
        WrittenText{"ElevenDigits", "0.002750138", false},
        WrittenText{"Probability", ".999999990", true},
        WrittenText{"WorkedExample", "12.34907", true}, WrittenText{"NotANumber", "NaN", true},
        WrittenText{"NoRecordedSize",
                    "-4.833336e-06",
                    false,
                    {},
                    0,
                    {Text("FontName", "Courier"), Int("TextAlignment", 2)}},
        WrittenText{"FieldMadeWider", "2.750001e-05", true, {Int("Width", 200)}},
        WrittenText{"FieldMadeNarrower",
                    "2.750001e-05",
                    false,
                    {Int("Width", 80)},
                    0,
                    {Text("FontName", "Courier"), Single("FontSize", 12.0f), Int("Width", 200)}},
        WrittenText{"LargerFontSize", "2.750001e-05", false, {Single("FontSize", 14.0f)}, 14},
        WrittenText{.label = "MovedAfterTheUserShortensIt",
                    .text = "2.750001e-05",
                    .inOwnFont = false,
                    .whileShown = {Int("Left", 30)},
                    .userDeletes = 1}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
