// "Calculate": the worked examples and every rejection, typed and pressed as a user would.
#include <ostream>
#include <string>
#include <vector>

#include "calculator/HaitovskyCalculation.h"
#include "tests/calculator/CalculatorWindowTest.h"

namespace {

struct WorkedExample {
    const char* name;
    const char* k;
    const char* n;
    const char* det;
    const char* h;
    const char* df;
    const char* p;
};

void PrintTo(const WorkedExample& example, std::ostream* out) { *out << example.name; }

class WorkedExampleTest : public CalculatorWindowTest,
                          public testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExampleTest, ShowsTheThreeResultsWithTheirCaptions) {
    const auto& example = GetParam();
    TypeInputs(example.k, example.n, example.det);
    Press("calcBtn");

    EXPECT_EQ(Edit("hFld")->text().toStdString(), example.h);
    EXPECT_EQ(Edit("dfFld")->text().toStdString(), example.df);
    EXPECT_EQ(Edit("pFld")->text().toStdString(), example.p);
    for (const char* control : kResultControls) {
        EXPECT_TRUE(Widget(control)->isVisible()) << control;
    }
    // The inputs are read, never changed, and the focus stays where the user left it.
    EXPECT_EQ(Edit("kFld")->text().toStdString(), example.k);
    EXPECT_EQ(Edit("nFld")->text().toStdString(), example.n);
    EXPECT_EQ(Edit("detFld")->text().toStdString(), example.det);
    EXPECT_EQ(FocusName(), "detFld");
}

TEST_P(WorkedExampleTest, ASecondCalculationOverwritesTheFirst) {
    const auto& example = GetParam();
    ShowResults();
    Retype("kFld", example.k);
    Retype("nFld", example.n);
    Retype("detFld", example.det);
    Press("calcBtn");

    EXPECT_EQ(Edit("hFld")->text().toStdString(), example.h);
    EXPECT_EQ(Edit("dfFld")->text().toStdString(), example.df);
    EXPECT_EQ(Edit("pFld")->text().toStdString(), example.p);
}

INSTANTIATE_TEST_SUITE_P(Calculate, WorkedExampleTest,
                         testing::Values(WorkedExample{"TenVariables", "10", "82", ".0025",
                                                       "0.1923238", "45", ".999999990"},
                                         WorkedExample{"NineVariables", "9", "120", ".101679",
                                                       "12.34907", "36", ".999918881"}),
                         [](const auto& info) { return std::string(info.param.name); });

// The Press of a screen reader or voice control calculates as the mouse's does: the
// results, or the message and the focus in the field to correct.
TEST_F(CalculatorWindowTest, AnAccessiblePressCalculatesAsAMousePressDoes) {
    TypeInputs("10", "82", ".0025");
    PressAccessibly("calcBtn");
    EXPECT_EQ(Edit("hFld")->text(), "0.1923238");
    EXPECT_TRUE(Widget("hFld")->isVisible());

    Retype("kFld", "1");
    window->nFld()->SetFocus();
    DialogRecorder dialogs;
    PressAccessibly("calcBtn");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{std::string(kVariablesMessage) + "\n"});
    EXPECT_EQ(FocusName(), "kFld");
}

struct RejectedInput {
    const char* name;
    const char* k;
    const char* n;
    const char* det;
    std::string_view message;
    const char* field;
};

void PrintTo(const RejectedInput& input, std::ostream* out) { *out << input.name; }

enum class Before { NoResults, EarlierResults };

void PrintTo(Before before, std::ostream* out) {
    *out << (before == Before::NoResults ? "NoResults" : "EarlierResults");
}

class RejectionTest : public CalculatorWindowTest,
                      public testing::WithParamInterface<std::tuple<RejectedInput, Before>> {};

// Shows the message once and moves the focus to the offending field; every text and
// the visibility of the results stay as they were, whether results were shown or not.
TEST_P(RejectionTest, ShowsItsMessageAndFocusesItsFieldChangingNothingElse) {
    const auto& [input, before] = GetParam();
    if (before == Before::EarlierResults) {
        ShowResults();
        Retype("kFld", input.k);
        Retype("nFld", input.n);
        Retype("detFld", input.det);
    } else {
        TypeInputs(input.k, input.n, input.det);
    }
    // Start away from the field that the rejection must focus.
    window->ControlByName<TextField>(std::string(input.field) == "kFld" ? "nFld" : "kFld")
        ->SetFocus();
    const auto state = State();

    DialogRecorder dialogs;
    Press("calcBtn");

    EXPECT_EQ(dialogs.messages, std::vector<std::string>{std::string(input.message) + "\n"});
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(FocusName(), input.field);
    EXPECT_EQ(State(), state);
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, RejectionTest,
    testing::Combine(
        testing::Values(
            // k is checked first, whatever n and the determinant hold.
            RejectedInput{"KOneWithEverythingOutOfRange", "1", "29", "0", kVariablesMessage,
                          "kFld"},
            RejectedInput{"KHundred", "100", "82", ".0025", kVariablesMessage, "kFld"},
            RejectedInput{"KEmpty", "", "82", ".0025", kVariablesMessage, "kFld"},
            RejectedInput{"NTwentyNine", "10", "29", ".0025", kParticipantsMessage, "nFld"},
            RejectedInput{"NTenThousand", "10", "10000", ".0025", kParticipantsMessage, "nFld"},
            RejectedInput{"NEmptyBeforeABadDeterminant", "99", "", "", kParticipantsMessage,
                          "nFld"},
            RejectedInput{"DeterminantZero", "10", "82", "0", kDeterminantMessage, "detFld"},
            RejectedInput{"DeterminantOne", "2", "9999", "1", kDeterminantMessage, "detFld"},
            RejectedInput{"DeterminantEmpty", "10", "30", "", kDeterminantMessage, "detFld"},
            RejectedInput{"DeterminantBelowTheLowerBound", "10", "82", ".00000000",
                          kDeterminantMessage, "detFld"},
            // A slash ends the number: "1/2" reads as 1.
            RejectedInput{"DeterminantWithASlash", "10", "82", "1/2", kDeterminantMessage,
                          "detFld"}),
        testing::Values(Before::NoResults, Before::EarlierResults)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == Before::NoResults ? "_NoResults" : "_EarlierResults");
    });

struct AcceptedBound {
    const char* name;
    const char* k;
    const char* n;
    const char* det;
};

void PrintTo(const AcceptedBound& input, std::ostream* out) { *out << input.name; }

class AcceptedBoundTest : public CalculatorWindowTest,
                          public testing::WithParamInterface<AcceptedBound> {};

TEST_P(AcceptedBoundTest, ShowsResultsWithoutAMessage) {
    const auto& input = GetParam();
    TypeInputs(input.k, input.n, input.det);
    Press("calcBtn");

    for (const char* control : kResultControls) {
        EXPECT_TRUE(Widget(control)->isVisible()) << control;
    }
    for (const char* field : kResultFields) {
        EXPECT_FALSE(Edit(field)->text().isEmpty()) << field;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Calculate, AcceptedBoundTest,
    testing::Values(AcceptedBound{"LowestKAndN", "2", "30", ".5"},
                    AcceptedBound{"HighestKAndN", "99", "9999", ".5"},
                    // The nine characters detFld takes reach no
                    // further towards its bounds.
                    AcceptedBound{"SmallestTypeableDeterminant", "10", "82", ".00000001"},
                    AcceptedBound{"LargestTypeableDeterminant", "10", "82", ".99999999"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
