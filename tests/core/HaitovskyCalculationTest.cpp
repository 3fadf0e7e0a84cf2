#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "calculator/HaitovskyCalculation.h"
#include "framework/RuntimeFunctions.h"

namespace {

struct AcceptedCase {
    const char* name;
    const char* k;
    const char* n;
    const char* det;
    Results expected;
};

class AcceptedInputTest : public testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedInputTest, ShowsTheThreeTexts) {
    const auto& c = GetParam();
    const Outcome outcome = calculateHaitovsky(c.k, c.n, c.det);
    const auto* results = std::get_if<Results>(&outcome);
    ASSERT_NE(results, nullptr) << std::get<Rejection>(outcome).message;
    EXPECT_EQ(results->h, c.expected.h);
    EXPECT_EQ(results->df, c.expected.df);
    EXPECT_EQ(results->p, c.expected.p);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AcceptedInputTest,
    testing::Values(
        AcceptedCase{"FirstWorkedExample", "10", "82", ".0025", {"0.1923238", "45", ".999999990"}},
        AcceptedCase{
            "SecondWorkedExample", "9", "120", ".101679", {"12.34907", "36", ".999918881"}},
        AcceptedCase{"NegativeStatistic", "99", "30", "0.5", {"-3.350211", "4851", "NaN"}},
        AcceptedCase{
            "StatisticPastBothTailBounds", "2", "1000", "0.9", {"2296.829", "1", ".000000000"}},
        AcceptedCase{
            "LargestStatistic", "2", "9999", "0.99999999999", {"253195.7", "1", ".000000000"}}),
    [](const auto& info) { return info.param.name; });

std::string messageFor(Input input) {
    const std::string_view sentence = input == Input::k   ? kVariablesMessage
                                      : input == Input::n ? kParticipantsMessage
                                                          : kDeterminantMessage;
    return std::string(sentence) + std::string(EndOfLine::macOS);
}

struct CheckCase {
    const char* name;
    const char* k;
    const char* n;
    const char* det;
    std::optional<Input> rejected;  // none: accepted
};

class InputCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(InputCheckTest, FirstFailingInputWins) {
    const auto& c = GetParam();
    const Outcome outcome = calculateHaitovsky(c.k, c.n, c.det);
    if (!c.rejected) {
        EXPECT_TRUE(std::holds_alternative<Results>(outcome));
        return;
    }
    const auto* rejection = std::get_if<Rejection>(&outcome);
    ASSERT_NE(rejection, nullptr);
    EXPECT_EQ(rejection->input, *c.rejected);
    EXPECT_EQ(rejection->message, messageFor(*c.rejected));
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, InputCheckTest,
    testing::Values(CheckCase{"KOneBeforeBadN", "1", "29", "0", Input::k},
                    CheckCase{"KTwo", "2", "82", ".5", std::nullopt},
                    CheckCase{"KNinetyNine", "99", "82", ".5", std::nullopt},
                    CheckCase{"KHundred", "100", "82", ".5", Input::k},
                    CheckCase{"KTwoPointNineTruncates", "2.9", "82", ".5", std::nullopt},
                    CheckCase{"KOnePointNineTruncates", "1.9", "82", ".5", Input::k},
                    CheckCase{"KBeyondIntegers", "1e30", "82", ".5", Input::k},
                    CheckCase{"KHugeNegative", "-1e300", "82", ".5", Input::k},
                    CheckCase{"KNotANumber", "abc", "82", ".5", Input::k},
                    CheckCase{"AllEmpty", "", "", "", Input::k},
                    CheckCase{"NTwentyNineBeforeBadDet", "10", "29", "1", Input::n},
                    CheckCase{"NThirty", "10", "30", ".5", std::nullopt},
                    CheckCase{"NNineThousand", "10", "9999", ".5", std::nullopt},
                    CheckCase{"NTenThousand", "10", "10000", ".5", Input::n},
                    CheckCase{"NEmpty", "10", "", ".5", Input::n},
                    CheckCase{"DetZero", "10", "82", "0", Input::determinant},
                    CheckCase{"DetOne", "10", "82", "1", Input::determinant},
                    CheckCase{"DetSmallest", "10", "82", "0.000000000001", std::nullopt},
                    CheckCase{"DetBelowSmallest", "10", "82", "0.0000000000009",
                              Input::determinant},
                    CheckCase{"DetLargest", "10", "82", "0.99999999999", std::nullopt},
                    CheckCase{"DetAboveLargest", "10", "82", "0.999999999991", Input::determinant},
                    CheckCase{"DetEmpty", "10", "82", "", Input::determinant}),
    [](const auto& info) { return info.param.name; });

}  // namespace
