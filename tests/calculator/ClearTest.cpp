// "Clear": from every state back to an empty window with the results hidden.
#include <functional>
#include <ostream>
#include <string>

#include "tests/calculator/CalculatorWindowTest.h"

namespace {

class ClearTest;

struct StartState {
    const char* name;
    std::function<void(ClearTest&)> reach;
};

void PrintTo(const StartState& state, std::ostream* out) { *out << state.name; }

class ClearTest : public CalculatorWindowTest, public testing::WithParamInterface<StartState> {
  public:
    // The fixture's helpers, for the table of start states.
    using CalculatorWindowTest::Edit;
    using CalculatorWindowTest::Press;
    using CalculatorWindowTest::Retype;
    using CalculatorWindowTest::ShowResults;
    using CalculatorWindowTest::Type;
    using CalculatorWindowTest::TypeInputs;

    void ExpectCleared() {
        for (const char* field : kTextFields) {
            EXPECT_EQ(Edit(field)->text(), "") << field;
        }
        for (const char* control : kResultControls) {
            EXPECT_FALSE(Widget(control)->isVisible()) << control;
            EXPECT_FALSE(window->ControlByName<RectControl>(control)->Visible()) << control;
        }
        for (const char* caption : {"RxxText", "RxxText1", "RxxText2"}) {
            EXPECT_TRUE(Widget(caption)->isVisible()) << caption;
        }
        EXPECT_EQ(FocusName(), "kFld");
    }
};

TEST_P(ClearTest, EmptiesEveryFieldHidesTheResultsAndFocusesK) {
    GetParam().reach(*this);

    DialogRecorder dialogs;
    // The window is cleared by the press itself; the release comes outside the button.
    QTest::mousePress(Button("clearBtn"), Qt::LeftButton);
    ExpectCleared();
    QTest::mouseRelease(window->ContentWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    ExpectCleared();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.beeps, 0);

    // The next key goes into kFld, through its filter.
    Type("7");
    EXPECT_EQ(Edit("kFld")->text(), "7");
}

INSTANTIATE_TEST_SUITE_P(
    FromEveryState, ClearTest,
    testing::Values(StartState{"NewWindow", [](ClearTest&) {}},
                    StartState{"InputsTyped",
                               [](ClearTest& t) { t.TypeInputs("10", "82", ".0025"); }},
                    StartState{"ResultsShown", [](ClearTest& t) { t.ShowResults(); }},
                    StartState{"AfterARejection",
                               [](ClearTest& t) {
                                   t.ShowResults();
                                   t.Retype("nFld", "12");
                                   DialogRecorder dialogs;
                                   t.Press("calcBtn");
                                   ASSERT_EQ(dialogs.messages.size(), 1u);
                               }},
                    StartState{"ResultFieldEditedByTheUser",
                               [](ClearTest& t) {
                                   t.ShowResults();
                                   t.Retype("dfFld", "123");
                               }},
                    StartState{"AlreadyCleared",
                               [](ClearTest& t) {
                                   t.ShowResults();
                                   t.Press("clearBtn");
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculatorWindowTest, AnAccessiblePressClearsAsAMousePressDoes) {
    const auto fresh = State();
    ShowResults();
    PressAccessibly("clearBtn");
    EXPECT_EQ(State(), fresh);
    EXPECT_EQ(FocusName(), "kFld");
}

TEST_F(CalculatorWindowTest, CalculateAfterClearShowsTheResultsAgain) {
    ShowResults();
    Press("clearBtn");
    Type("9");
    Tab();
    Type("120");
    Tab();
    Type(".101679");
    Press("calcBtn");

    EXPECT_EQ(Edit("hFld")->text(), "12.34907");
    EXPECT_EQ(Edit("dfFld")->text(), "36");
    EXPECT_EQ(Edit("pFld")->text(), ".999918881");
    for (const char* control : kResultControls) {
        EXPECT_TRUE(Widget(control)->isVisible()) << control;
    }
}

}  // namespace
