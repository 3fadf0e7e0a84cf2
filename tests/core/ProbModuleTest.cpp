#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "stats/ProbModule.h"

namespace {

constexpr double kTenDecimals = 5e-11;
constexpr long kAnyPasses = -1;

struct EdgeCase {
    const char* name;
    double x;
    double df;
    double p;
    long passes;
};

class X2ProbEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(X2ProbEdgeTest, MatchesTenDecimals) {
    const auto& c = GetParam();
    const auto result = ProbModule::x2probDetailed(c.x, c.df);
    EXPECT_NEAR(result.p, c.p, kTenDecimals);
    if (c.passes != kAnyPasses) {
        EXPECT_EQ(result.passes, c.passes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, X2ProbEdgeTest,
    testing::Values(EdgeCase{"FirstWorkedExampleIsCapped", 0.1923238384254363, 45, 0.99999999, 3},
                    EdgeCase{"SecondWorkedExample", 12.349069858136978, 36, 0.9999188812, 11},
                    EdgeCase{"StopRuleErrorInEighthDecimal", 1, 1, 0.3173105227, kAnyPasses},
                    EdgeCase{"FivePercentPoint", 3.8414588207, 1, 0.0500000491, kAnyPasses},
                    EdgeCase{"DfTruncated", 1.5, 1.9, 0.2206713912, kAnyPasses},
                    EdgeCase{"DfWhole", 1.5, 1, 0.2206713912, kAnyPasses},
                    EdgeCase{"TwoTwo", 2, 2, 0.3678794513, kAnyPasses},
                    EdgeCase{"TenTen", 10, 10, 0.4404933661, kAnyPasses},
                    EdgeCase{"SmallTailKeepsStopRuleError", 20, 1, 0.0000081841, kAnyPasses},
                    EdgeCase{"TinyTailKeepsStopRuleError", 100, 1, 0.0000010087, kAnyPasses},
                    EdgeCase{"ZeroStatisticSkipsSeries", 0, 1, 0.99999999, 0},
                    EdgeCase{"PrefactorUnderflowBelowDf", 1000, 4851, 0.99999999, 0}),
    [](const auto& info) { return info.param.name; });

TEST(X2ProbTest, NegativeStatisticGivesNaNAfterTheSeriesRuns) {
    const auto small = ProbModule::x2probDetailed(-1, 1);
    EXPECT_TRUE(std::isnan(small.p));
    EXPECT_EQ(small.passes, 1);
    const auto large = ProbModule::x2probDetailed(-100, 45);
    EXPECT_TRUE(std::isnan(large.p));
    EXPECT_EQ(large.passes, 61);
}

TEST(X2ProbTest, DfThatNoIntegerHoldsActsAsTheSmallestInteger) {
    const double smallest = static_cast<double>(std::numeric_limits<std::int64_t>::min());
    const auto reference = ProbModule::x2probDetailed(5, smallest);
    for (double df : {std::numeric_limits<double>::quiet_NaN(), 1e19, -1e300,
                      std::numeric_limits<double>::infinity()}) {
        const auto result = ProbModule::x2probDetailed(5, df);
        EXPECT_EQ(result.passes, reference.passes) << df;
        EXPECT_EQ(std::isnan(result.p), std::isnan(reference.p)) << df;
        if (!std::isnan(reference.p)) {
            EXPECT_EQ(result.p, reference.p) << df;
        }
    }
}

// Far in the tail the series overflows from the first bound on and the prefactor
// vanishes from the second. Below the first the result is the stop rule's small
// residue (the true tail is below 1e-300); from it on, 0.
struct TailBounds {
    double df;
    double seriesOverflow;
    double prefactorUnderflow;
};

class X2ProbLargeStatisticTest : public testing::TestWithParam<TailBounds> {};

TEST_P(X2ProbLargeStatisticTest, StaysAProbabilityAndReachesZeroPastTheBounds) {
    const auto& b = GetParam();
    constexpr double kStopRuleResidue = 0.000016;
    for (double x = 0; x < b.seriesOverflow - 0.5; x += 0.37) {
        const double p = ProbModule::x2prob(x, b.df);
        ASSERT_TRUE(p >= 0 && p <= 0.99999999) << "x " << x << " p " << p;
        if (x > b.seriesOverflow - 100) {
            ASSERT_LE(p, kStopRuleResidue) << "x " << x;
        }
    }
    // Between the bounds the series runs and overflows; beyond, it never starts.
    for (double x = b.seriesOverflow + 0.5; x < b.prefactorUnderflow - 0.5; x += 0.37) {
        const auto result = ProbModule::x2probDetailed(x, b.df);
        ASSERT_EQ(result.p, 0.0) << "x " << x;
        ASSERT_GT(result.passes, 0) << "x " << x;
    }
    for (double x :
         {b.prefactorUnderflow + 0.5, 253195.71, 1e300, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(ProbModule::x2prob(x, b.df), 0.0) << "x " << x;
    }
}

INSTANTIATE_TEST_SUITE_P(Dfs, X2ProbLargeStatisticTest,
                         testing::Values(TailBounds{1, 1421.7, 1497.2},
                                         TailBounds{45, 1615.9, 1693.6},
                                         TailBounds{4851, 9530.0, 9686.2}),
                         [](const auto& info) {
                             return "Df" + std::to_string(int(info.param.df));
                         });

// An upper tail computed independently, to the full precision of long double
// (which may be no more than double's, ample here): Q(a, y) = 1 - P(a, y), by the
// power series of P below y = a + 1 and by the continued fraction of Q above it,
// with no early stop. NaN if either fails to converge within its cap; the inputs
// here need less than a tenth of it.
long double IndependentUpperTail(long double a, long double y) {
    constexpr long double kEpsilon = std::numeric_limits<long double>::epsilon();
    constexpr int kMaxSteps = 5000;
    if (y <= 0) return 1.0L;
    const long double logPrefix = a * std::log(y) - y - std::lgamma(a);
    if (y < a + 1) {
        long double term = 1.0L / a;
        long double sum = term;
        for (int n = 1; n <= kMaxSteps; ++n) {
            if (term <= sum * kEpsilon) return 1.0L - std::exp(logPrefix + std::log(sum));
            term *= y / (a + n);
            sum += term;
        }
        return std::numeric_limits<long double>::quiet_NaN();
    }
    constexpr long double kTiny = std::numeric_limits<long double>::min();
    long double b = y + 1 - a;
    long double c = 1 / kTiny;
    long double d = 1 / b;
    long double h = d;
    for (int i = 1; i <= kMaxSteps; ++i) {
        const long double an = -i * (i - a);
        b += 2;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1 / d;
        const long double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1) <= kEpsilon) return std::exp(logPrefix + std::log(h));
    }
    return std::numeric_limits<long double>::quiet_NaN();
}

// The stop rule leaves p too large; how much, over every df the calculator gives and
// every statistic up to where the result becomes 0, is what the README states. The
// error grows with the statistic up to there, so each df is swept coarsely and then
// finely around its worst point.
TEST(X2ProbTest, StopRuleErrorOverReachableInputsStaysWithinWhatTheReadmeStates) {
    // A NaN would pass every comparison below unseen, so it is counted.
    long notANumber = 0;
    auto error = [&notANumber](double x, double df) {
        const auto e = static_cast<double>(static_cast<long double>(ProbModule::x2prob(x, df)) -
                                           IndependentUpperTail(0.5L * df, 0.5L * x));
        if (std::isnan(e)) ++notANumber;
        return e;
    };
    double largest = 0, smallest = 0, worstX = 0, worstDf = 0;
    for (long k = 2; k <= 99; ++k) {
        const double df = double(k * (k - 1) / 2);
        double dfWorst = 0, dfWorstX = 0;
        for (double x = 0.25; x < 12000; x += 8) {
            const double e = error(x, df);
            smallest = std::min(smallest, e);
            if (e > dfWorst) dfWorst = e, dfWorstX = x;
        }
        for (double x = dfWorstX - 16; x < dfWorstX + 16; x += 0.25) {
            const double e = error(x, df);
            if (e > dfWorst) dfWorst = e, dfWorstX = x;
        }
        if (dfWorst > largest) largest = dfWorst, worstX = dfWorstX, worstDf = df;
    }
    RecordProperty("TooLargeByAtMost", testing::PrintToString(largest));
    RecordProperty("TooSmallByAtMost", testing::PrintToString(-smallest));
    EXPECT_EQ(notANumber, 0) << "inputs where p or the reference tail is NaN";
    const auto where = testing::Message() << " at x " << worstX << ", df " << worstDf;
    EXPECT_LE(largest, 1.6e-5) << where;
    EXPECT_GE(largest, 1.5e-5) << "the README overstates the error" << where;
    EXPECT_EQ(worstDf, 4851) << where;
    // Only the cap makes p smaller than the true tail, by at most its 1e-8.
    EXPECT_GE(smallest, -1.0001e-8);
}

TEST(X2ProbTest, EveryReachableInputStaysUnderThreeThousandPasses) {
    long most = 0;
    for (long k = 2; k <= 99; ++k) {
        const double df = double(k * (k - 1) / 2);
        for (double x = -122.4; x < 12000; x += 23.9) {
            most = std::max(most, ProbModule::x2probDetailed(x, df).passes);
        }
    }
    EXPECT_LT(most, 3000);
    EXPECT_GT(most, 2000);  // the sweep did reach the slow region
}

}  // namespace
