// The calculator window as it is built: one instance, its frame, its sixteen controls
// from their records, keyboard order, typing limits and room for every text.
#include <QAccessible>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <cstring>
#include <string>
#include <vector>

#include "calculator/ControlWndRecords.h"
#include "shell/LogoPictures.h"
#include "shell/MenuBar1.h"
#include "tests/calculator/CalculatorWindowTest.h"

namespace {

TEST_F(CalculatorWindowTest, EveryReferenceYieldsTheSameWindowBuiltOnce) {
    auto again = ControlWnd();
    EXPECT_EQ(again, window);
    EXPECT_EQ(window->Controls().size(), 16u);
    EXPECT_EQ(window->NativeWindow()->findChildren<QLineEdit*>().size(), 6);
    EXPECT_EQ(window->MenuHandlerNames(),
              (std::vector<std::string>{"FileQuit", "InfoItem", "AboutItem"}));
}

TEST_F(CalculatorWindowTest, IsAFixedTitledWindowWithCloseAndMinimiseButtonsOnly) {
    QWidget* frame = window->NativeWindow();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(window->Title(), "Veltranoquisenary");
    EXPECT_EQ(frame->windowTitle(), "Veltranoquisenary");
    EXPECT_EQ(window->ContentWidget()->size(), QSize(600, 480));

    const auto flags = frame->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowFullscreenButtonHint);

    frame->resize(frame->width() + 200, frame->height() + 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->ContentWidget()->size(), QSize(600, 480));
}

TEST_F(CalculatorWindowTest, UsesTheSharedMenuBarAndTheKeptBanner) {
    EXPECT_EQ(window->MenuBar(), MenuBar1());
    EXPECT_EQ(window->FileQuit(), MenuBar1()->Child("FileMenu")->Child("FileQuit"));
    EXPECT_EQ(window->InfoItem(), MenuBar1()->Child("InfoMenu")->Child("InfoItem"));
    ASSERT_NE(window->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(window->Canvas1()->Backdrop(), Veltr480());
}

// Placement, size, tab order, visibility and text of each control on a new window, in
// the order the controls are created.
struct ControlLayout {
    const char* name;
    const char* kind;
    QRect geometry;
    std::int64_t tabIndex;
    bool visible;
    const char* text;
};

const ControlLayout kLayout[] = {
    {"kFld", "TextField", {268, 180, 80, 22}, 0, true, ""},
    {"RxxText", "Label", {50, 180, 170, 20}, 3, true, "Number of Variables (2-99):"},
    {"clearBtn", "PushButton", {268, 430, 80, 40}, 4, true, "Clear"},
    {"helpBtn", "PushButton", {500, 430, 80, 40}, 5, true, "?"},
    {"calcBtn", "PushButton", {20, 430, 80, 40}, 6, true, "Calculate"},
    {"RxxText1", "Label", {50, 210, 193, 20}, 7, true, "Number of Participants (> 30):"},
    {"nFld", "TextField", {268, 210, 80, 22}, 1, true, ""},
    {"RxxText2", "Label", {50, 240, 150, 20}, 10, true, "Determinant:"},
    {"detFld", "TextField", {268, 240, 80, 22}, 3, true, ""},
    {"hLabel", "Label", {50, 270, 150, 20}, 12, false, "H:"},
    {"hFld", "TextField", {268, 270, 80, 22}, 13, false, ""},
    {"dfLabel", "Label", {50, 300, 150, 20}, 14, false, "df:"},
    {"dfFld", "TextField", {268, 300, 80, 22}, 15, false, ""},
    {"pLabel", "Label", {50, 330, 150, 20}, 16, false, "p:"},
    {"pFld", "TextField", {268, 330, 80, 22}, 17, false, ""},
    {"Canvas1", "Canvas", {50, 10, 500, 87}, 18, true, ""},
};

std::string KindOf(const Control& control) {
    if (dynamic_cast<const TextField*>(&control)) return "TextField";
    if (dynamic_cast<const Label*>(&control)) return "Label";
    if (dynamic_cast<const PushButton*>(&control)) return "PushButton";
    if (dynamic_cast<const Canvas*>(&control)) return "Canvas";
    return "other";
}

std::string TextOf(const Control& control) {
    if (auto* field = dynamic_cast<const TextField*>(&control)) return field->Text();
    if (auto* label = dynamic_cast<const Label*>(&control)) return label->Text();
    if (auto* button = dynamic_cast<const PushButton*>(&control)) return button->Caption();
    return "";
}

TEST_F(CalculatorWindowTest, ControlsAreCreatedInOrderAsTheirRecordsDescribe) {
    const auto& controls = window->Controls();
    ASSERT_EQ(controls.size(), std::size(kLayout));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& expected = kLayout[i];
        SCOPED_TRACE(expected.name);
        auto& control = dynamic_cast<RectControl&>(*controls[i]);
        EXPECT_EQ(control.Name(), expected.name);
        EXPECT_EQ(KindOf(control), expected.kind);
        EXPECT_EQ(control.NativeWidget()->objectName().toStdString(), expected.name);
        EXPECT_EQ(control.NativeWidget()->parentWidget(), window->ContentWidget());
        EXPECT_EQ(control.NativeWidget()->geometry(), expected.geometry);
        EXPECT_EQ(control.TabIndex(), expected.tabIndex);
        EXPECT_EQ(control.Visible(), expected.visible);
        EXPECT_EQ(control.NativeWidget()->isVisible(), expected.visible);
        EXPECT_EQ(TextOf(control), expected.text);
    }
}

// Each handler is bound after its control's record, which would otherwise have nothing
// to act on; the labels and the banner react to nothing.
TEST_F(CalculatorWindowTest, OnlyTheFieldsAndButtonsHaveHandlers) {
    for (const auto& control : window->Controls()) {
        SCOPED_TRACE(control->Name());
        if (auto field = std::dynamic_pointer_cast<TextField>(control)) {
            EXPECT_TRUE(field->KeyDown.IsAttached());
        } else if (auto button = std::dynamic_pointer_cast<PushButton>(control)) {
            EXPECT_TRUE(button->MouseDown.IsAttached());
        } else {
            EXPECT_TRUE(std::dynamic_pointer_cast<Label>(control) ||
                        std::dynamic_pointer_cast<Canvas>(control));
        }
    }
}

// A press anywhere but on a field leaves the focus, and with it the next key, where
// the user had put it.
TEST_F(CalculatorWindowTest, CaptionsAndTheBannerReactToNothing) {
    for (const char* name : {"RxxText", "RxxText1", "RxxText2", "Canvas1"}) {
        SCOPED_TRACE(name);
        window->nFld()->SetFocus();
        QTest::mouseClick(Widget(name), Qt::LeftButton);
        EXPECT_EQ(FocusName(), "nFld");
    }
    Type("42");
    EXPECT_EQ(Edit("nFld")->text(), "42");
}

// What a screen reader announces: each field by the caption beside it, the banner by
// a name of its own, and what the "?" button does.
TEST_F(CalculatorWindowTest, AScreenReaderNamesEveryFieldTheBannerAndTheHelpButton) {
    ShowResults();
    const std::pair<const char*, const char*> captions[] = {
        {"kFld", "RxxText"}, {"nFld", "RxxText1"}, {"detFld", "RxxText2"},
        {"hFld", "hLabel"},  {"dfFld", "dfLabel"}, {"pFld", "pLabel"}};
    for (const auto& [field, caption] : captions) {
        auto* accessible = QAccessible::queryAccessibleInterface(Edit(field));
        ASSERT_NE(accessible, nullptr) << field;
        EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(),
                  window->ControlByName<Label>(caption)->Text())
            << field;
    }
    auto* banner = QAccessible::queryAccessibleInterface(Widget("Canvas1"));
    EXPECT_EQ(banner->role(), QAccessible::Graphic);
    EXPECT_FALSE(banner->text(QAccessible::Name).isEmpty());
    auto* help = QAccessible::queryAccessibleInterface(Button("helpBtn"));
    EXPECT_EQ(help->text(QAccessible::Name), "?");
    EXPECT_FALSE(help->text(QAccessible::Description).isEmpty());
}

TEST_F(CalculatorWindowTest, FieldsUseAFixedWidthFontAndCaptionsABoldOne) {
    for (const char* field : kTextFields) {
        EXPECT_TRUE(QFontInfo(Edit(field)->font()).fixedPitch()) << field;
        EXPECT_EQ(Edit(field)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter) << field;
    }
    for (const char* caption : {"RxxText", "RxxText1", "RxxText2", "hLabel", "dfLabel", "pLabel"}) {
        EXPECT_TRUE(Widget(caption)->font().bold()) << caption;
    }
    EXPECT_TRUE(Button("helpBtn")->font().bold());
    EXPECT_FALSE(Button("calcBtn")->font().bold());
    EXPECT_GT(Button("helpBtn")->font().pixelSize(), Button("calcBtn")->font().pixelSize());
}

// The byte form of the stored records: every control's opens with the same fourteen
// entries, and a text is stored as its byte count and its bytes.
TEST(ControlWndRecordsTest, EveryControlRecordOpensWithTheCommonEntries) {
    const PropertyRecord* records[] = {
        &ControlWndRecords::kFld(),     &ControlWndRecords::RxxText(),
        &ControlWndRecords::clearBtn(), &ControlWndRecords::helpBtn(),
        &ControlWndRecords::calcBtn(),  &ControlWndRecords::RxxText1(),
        &ControlWndRecords::nFld(),     &ControlWndRecords::RxxText2(),
        &ControlWndRecords::detFld(),   &ControlWndRecords::hLabel(),
        &ControlWndRecords::hFld(),     &ControlWndRecords::dfLabel(),
        &ControlWndRecords::dfFld(),    &ControlWndRecords::pLabel(),
        &ControlWndRecords::pFld(),     &ControlWndRecords::Canvas1()};
    const std::vector<std::string> common = {"Name",      "Index",
                                             "Left",      "Top",
                                             "Width",     "Height",
                                             "LockLeft",  "LockTop",
                                             "LockRight", "LockBottom",
                                             "TabIndex",  "TabPanelIndex",
                                             "TabStop",   "AllowAutoDeactivate"};
    for (std::size_t i = 0; i < std::size(records); ++i) {
        SCOPED_TRACE(kLayout[i].name);
        const auto entries = PropertyRecord::Decode(records[i]->Bytes());
        ASSERT_GE(entries.size(), common.size());
        for (std::size_t e = 0; e < common.size(); ++e) {
            EXPECT_EQ(entries[e].name, common[e]);
        }
        EXPECT_EQ(std::get<std::string>(entries[0].value), kLayout[i].name);
        EXPECT_EQ(std::get<std::int64_t>(entries[1].value), -2147483648LL);
        EXPECT_EQ(std::get<std::int64_t>(entries[11].value), 0);
        EXPECT_TRUE(std::get<bool>(entries[13].value));
        const bool canvas = std::string(kLayout[i].name) == "Canvas1";
        EXPECT_EQ(std::get<bool>(entries[6].value), canvas);
        EXPECT_EQ(std::get<bool>(entries[7].value), canvas);
        for (const auto& entry : entries) {
            if (entry.name == "BackgroundColor") {
                EXPECT_EQ(std::get<Color>(entry.value), kWhite);
            }
            if (entry.name == "TextColor") {
                EXPECT_EQ(std::get<Color>(entry.value), kBlack);
            }
        }
    }
}

TEST(ControlWndRecordsTest, WindowRecordStoresTheTitleAsCountAndBytes) {
    const std::string& bytes = ControlWndRecords::Window().Bytes();
    const std::string title =
        std::string("Title ") + std::string("\x11\0\0\0", 4) + "Veltranoquisenary";
    EXPECT_NE(bytes.find(title), std::string::npos);
    EXPECT_EQ(ControlWndRecords::Window().Count(), 22u);
    EXPECT_EQ(PropertyRecord::Decode(bytes).front().name, "Width");
    EXPECT_EQ(PropertyRecord::Decode(bytes).back().name, "LiveResize");
}

class TabOrderTest : public CalculatorWindowTest {
  protected:
    std::vector<std::string> FocusAfterTabs(int tabs) {
        std::vector<std::string> visited;
        for (int i = 0; i < tabs; ++i) {
            Tab();
            visited.push_back(FocusName());
        }
        return visited;
    }
};

TEST_F(TabOrderTest, WithResultsHiddenCyclesThroughTheInputsOnly) {
    window->kFld()->SetFocus();
    EXPECT_EQ(FocusAfterTabs(4), (std::vector<std::string>{"nFld", "detFld", "kFld", "nFld"}));
}

TEST_F(TabOrderTest, WithResultsShownGoesOnThroughTheResults) {
    ShowResults();
    window->kFld()->SetFocus();
    EXPECT_EQ(FocusAfterTabs(6),
              (std::vector<std::string>{"nFld", "detFld", "hFld", "dfFld", "pFld", "kFld"}));
}

class CharacterLimitTest : public CalculatorWindowTest,
                           public testing::WithParamInterface<std::tuple<const char*, int>> {};

TEST_P(CharacterLimitTest, TypingStopsAtTheLimit) {
    const auto& [field, limit] = GetParam();
    ShowResults();
    window->ControlByName<TextField>(field)->Text("");
    window->ControlByName<TextField>(field)->SetFocus();

    Type("123456789012");

    EXPECT_EQ(Edit(field)->text(), QString("123456789012").left(limit));
}

TEST_P(CharacterLimitTest, PastingStaysWithinTheLimitAndBypassesTheKeyFilter) {
    const auto& [field, limit] = GetParam();
    ShowResults();
    auto control = window->ControlByName<TextField>(field);

    control->Text("");
    control->SetFocus();
    QGuiApplication::clipboard()->setText("123456789012");
    QTest::keyClick(Focused(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_LE(Edit(field)->text().size(), limit);

    // Letters and signs that no key could put there.
    control->Text("");
    QGuiApplication::clipboard()->setText("-1e2");
    QTest::keyClick(Focused(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit(field)->text(), "-1e2");
}

INSTANTIATE_TEST_SUITE_P(EveryTextField, CharacterLimitTest,
                         testing::Values(std::tuple("kFld", 6), std::tuple("nFld", 6),
                                         std::tuple("detFld", 9), std::tuple("hFld", 6),
                                         std::tuple("dfFld", 6), std::tuple("pFld", 6)),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

TEST_F(CalculatorWindowTest, ResultsAreWrittenWholePastTheTypingLimit) {
    ShowResults();
    EXPECT_EQ(Edit("pFld")->text(), ".999999990");
    EXPECT_EQ(Edit("hFld")->text(), "0.1923238");
    EXPECT_EQ(window->pFld()->MaximumCharactersAllowed(), 6);
}

// Width the line edit gives its text: its contents less the text margins and Qt's own
// two-pixel margin each side; the text scrolls once it and the one-pixel caret (plus
// one) no longer fit.
int RoomForText(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    contents = contents.marginsRemoved(edit.textMargins());
    const int caret = edit.style()->pixelMetric(QStyle::PM_TextCursorWidth, &option, &edit);
    return contents.width() - 2 * 2 - caret - 1;
}

TEST_F(CalculatorWindowTest, EveryTextFitsItsControl) {
    ShowResults();
    for (const char* name : {"RxxText", "RxxText1", "RxxText2", "hLabel", "dfLabel", "pLabel"}) {
        auto* label = window->NativeWindow()->findChild<QLabel*>(name);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                  label->contentsRect().width())
            << name << ": " << label->text().toStdString();
    }
    for (const char* name : {"calcBtn", "clearBtn", "helpBtn"}) {
        QPushButton* button = Button(name);
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), contents.width())
            << name;
    }
    for (const char* name : {"hFld", "dfFld", "pFld"}) {
        QLineEdit* edit = Edit(name);
        EXPECT_LE(QFontMetrics(edit->font()).horizontalAdvance(edit->text()), RoomForText(*edit))
            << name << ": " << edit->text().toStdString();
    }
    // The longest texts the inputs take.
    EXPECT_LE(QFontMetrics(Edit("kFld")->font()).horizontalAdvance("999999"),
              RoomForText(*Edit("kFld")));
    EXPECT_LE(QFontMetrics(Edit("detFld")->font()).horizontalAdvance(".99999999"),
              RoomForText(*Edit("detFld")));
}

}  // namespace
