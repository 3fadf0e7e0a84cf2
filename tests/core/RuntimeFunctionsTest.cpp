#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "framework/RuntimeFunctions.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ValCase {
    const char* name;
    std::string_view text;
    double expected;
};

class ValTest : public testing::TestWithParam<ValCase> {};

TEST_P(ValTest, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(Val(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValTest,
    testing::Values(ValCase{"Empty", "", 0}, ValCase{"LeadingPoint", ".0025", 0.0025},
                    ValCase{"Integer", "120", 120}, ValCase{"Fraction", "2.9", 2.9},
                    ValCase{"TrailingPoint", "5.", 5}, ValCase{"Plus", "+7", 7},
                    ValCase{"Minus", "-3.5", -3.5}, ValCase{"Blanks", " \t42", 42},
                    ValCase{"StopsAtLetter", "12abc", 12}, ValCase{"StopsAtSlash", "1/2", 1},
                    ValCase{"StopsAtSecondPoint", "1.2.3", 1.2}, ValCase{"Exponent", "1e3", 1000},
                    ValCase{"SignedExponent", "25E-2", 0.25},
                    ValCase{"BareExponentLetter", "2e", 2}, ValCase{"ExponentSignOnly", "2e+", 2},
                    ValCase{"NoDigits", "abc", 0}, ValCase{"PointOnly", ".", 0},
                    ValCase{"SignOnly", "-", 0}, ValCase{"SignThenPoint", "-.x", 0},
                    ValCase{"Overflow", "1e400", kInf},
                    ValCase{"NegativeOverflow", "-1e400", -kInf},
                    ValCase{"HugeExponent", "1e99999999999999999999", kInf},
                    ValCase{"Underflow", "1e-400", 0}, ValCase{"Subnormal", "4.9e-324", 4.9e-324},
                    ValCase{"ZeroWithHugeExponent", "0e99999999999", 0},
                    ValCase{"LeadingZerosShiftNothing", "0000.000001e6", 1},
                    ValCase{"Closest", "0.99999999999", 0.99999999999}),
    [](const auto& info) { return info.param.name; });

TEST(StrTest, DoubleKeepsSevenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1923238384254363, "0.1923238"},
        {12.349069858136978, "12.34907"},
        {-3.350211372706404, "-3.350211"},
        {2296.8287, "2296.829"},
        {45.0, "45"},
        {0.1, "0.1"},
        {253195.71, "253195.7"},
        {1234567, "1234567"},
        {12345678, "1.234568e+07"},
        {0.0001, "0.0001"},
        {-8.333149e-13, "-8.333149e-13"},
        {1.2345678e300, "1.234568e+300"},
        {0.0, "0"},
        {-0.0, "0"},
        {kNaN, "NaN"},
        {kInf, "Infinity"},
        {-kInf, "-Infinity"},
    };
    for (const auto& c : cases) EXPECT_EQ(Str(c.value), c.text) << c.text;
}

TEST(StrTest, IntegerIsPlainDecimal) {
    EXPECT_EQ(Str(std::int64_t{45}), "45");
    EXPECT_EQ(Str(std::int64_t{-7}), "-7");
    EXPECT_EQ(Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(FormatTest, PlaceholdersAndRounding) {
    const struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0.99999999, ".000000000", ".999999990"},
        {0.9999188812474756, ".000000000", ".999918881"},
        {1.0, ".000000000", "1.000000000"},
        {0.9999999996, ".000000000", "1.000000000"},
        {-0.5, ".000000000", "-.500000000"},
        {4e-10, ".000000000", ".000000000"},
        {-1e-12, ".000000000", ".000000000"},
        {1e20, ".000", "100000000000000000000.000"},
        {1234.5678, "#.##", "1234.57"},
        {1.5, "#.##", "1.5"},
        {0.5, "0.0", "0.5"},
        {0.25, "0.000", "0.250"},
        {3.7, "0", "4"},
        {42, "0000", "0042"},
        {1234567, "#", "1234567"},
        {12.5, "$0.00", "$12.50"},
        {kNaN, ".000000000", "NaN"},
        {kInf, ".000000000", "Infinity"},
        {-kInf, ".000000000", "-Infinity"},
        {12.349069858136978, "", "12.34907"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.value << " with " << c.pattern;
}

TEST(AscTest, FirstCodePointOrReplacement) {
    const struct {
        std::string_view text;
        std::int64_t code;
    } cases[] = {
        {"", 0},
        {std::string_view("\0x", 2), 0},
        {"Abc", 'A'},
        {"\x7F", 0x7F},
        {"\xC3\xA9", 0xE9},
        {"\xE2\x82\xAC", 0x20AC},
        {"\xF0\x9F\x98\x80", 0x1F600},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},
        {"\xE2\x82", 0xFFFD},
        {"\x80", 0xFFFD},
        {"\xC0\x80", 0xFFFD},
        {"\xE0\x9F\xBF", 0xFFFD},
        {"\xED\xA0\x80", 0xFFFD},
        {"\xF4\x90\x80\x80", 0xFFFD},
        {"\xC3(", 0xFFFD},
        {"\xFF", 0xFFFD},
    };
    for (const auto& c : cases) EXPECT_EQ(Asc(c.text), c.code) << testing::PrintToString(c.text);
}

}  // namespace
