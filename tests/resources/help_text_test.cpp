#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "resources/HelpText.h"

namespace {

constexpr std::string_view kEnDash = "\xE2\x80\x93";

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\r', start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// Lines are numbered from 1, as a reader of the help window counts them.
std::string_view Line(int number) { return Lines(HelpText()).at(number - 1); }

bool IsAscii(std::string_view s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

std::string Repeat(std::string_view piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

// The Haitovsky statistic as the calculator forms it, printed with the seven
// significant digits that the help text quotes.
std::string StatisticText(int k, int n, double determinant) {
    double h = (1.0 + (2.0 * k + 5.0) / 6.0 - n) * std::log(1.0 - determinant);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", h);
    return buffer;
}

TEST(HelpTextLayout, TwentyEightLinesSeparatedByBareCarriageReturns) {
    std::string_view text = HelpText();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 27);
    EXPECT_EQ(text.find('\n'), std::string_view::npos);
    EXPECT_EQ(text.find('\t'), std::string_view::npos);
    EXPECT_NE(text.front(), '\r');
    EXPECT_NE(text.back(), '\r');
    EXPECT_EQ(Lines(text).size(), 28u);
}

TEST(HelpTextLayout, ParagraphsAreSeparatedByOneEmptyLineExceptAfterTheSeparator) {
    const std::set<int> expected_empty = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 25, 27};
    std::vector<std::string_view> lines = Lines(HelpText());
    ASSERT_EQ(lines.size(), 28u);
    std::set<int> empty;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (lines[i].empty()) empty.insert(i + 1);
    }
    EXPECT_EQ(empty, expected_empty);
    EXPECT_EQ(lines.size() - empty.size(), 15u);
}

TEST(HelpTextLayout, TitleIsTheProgramNameEndingBeforeCharacter17) {
    std::string_view text = HelpText();
    ASSERT_GT(text.size(), 17u);
    EXPECT_EQ(text.substr(0, 17), "Veltranoquisenary");
    EXPECT_EQ(text[17], '\r');
    EXPECT_TRUE(IsAscii(text.substr(0, 17)));
}

TEST(HelpTextLayout, EnDashesAreTheOnlyNonAsciiAndFormTheSeparatorLineAlone) {
    std::string_view text = HelpText();
    int dashes = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        ASSERT_EQ(text.substr(i, kEnDash.size()), kEnDash) << "unexpected byte at " << i;
        ++dashes;
        i += kEnDash.size();
    }
    EXPECT_EQ(dashes, 86);

    std::vector<std::string_view> lines = Lines(text);
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[22], Repeat(kEnDash, 86));
    EXPECT_EQ(lines[22].size(), 258u);
    for (int i = 0; i < 28; ++i) {
        if (i != 22) {
            EXPECT_TRUE(IsAscii(lines[i])) << "line " << i + 1;
        }
    }
}

TEST(HelpTextContent, QuotedSentencesCloseTheirLines) {
    EXPECT_TRUE(Line(7).ends_with(
        "is distributed as a chi-square with degrees of freedom calculated by k(k-1)/2 where k "
        "is the number of variables."));
    EXPECT_TRUE(
        Line(9).ends_with(" This program reported an H value of 0.1923238 with p = .999999990."));
    EXPECT_TRUE(
        Line(11).ends_with(" This program computed an H value of 12.34907 (p = .999918881). "));
    EXPECT_FALSE(Line(11).ends_with("  "));
    EXPECT_EQ(Line(13), "References");
}

TEST(HelpTextContent, WorkedExamplesAgreeWithTheStatisticAndItsDegreesOfFreedom) {
    struct Example {
        int line, k, n;
        double determinant;
    };
    for (Example e : {Example{9, 10, 82, .0025}, Example{11, 9, 120, .101679}}) {
        SCOPED_TRACE("line " + std::to_string(e.line));
        std::string_view line = Line(e.line);
        EXPECT_NE(line.find(std::to_string(e.k) + " variables"), std::string_view::npos);
        EXPECT_NE(line.find(std::to_string(e.n) + " participants"), std::string_view::npos);
        EXPECT_NE(line.find("df = " + std::to_string(e.k * (e.k - 1) / 2)), std::string_view::npos);
        EXPECT_NE(line.find("H value of " + StatisticText(e.k, e.n, e.determinant)),
                  std::string_view::npos);
    }
}

TEST(HelpTextContent, ClosingLinesNameTheProgramItsYearAndItsAuthors) {
    for (int number : {24, 26}) {
        std::string_view line = Line(number);
        EXPECT_NE(line.find("Veltranoquisenary authors"), std::string_view::npos) << number;
        EXPECT_NE(line.find("2021"), std::string_view::npos) << number;
    }
    EXPECT_NE(Line(26).find("Computer software"), std::string_view::npos);
    std::string_view disclaimer = Line(28);
    for (std::string_view word :
         {"warranty", "liable", "professional judgement", "responsibility"}) {
        EXPECT_NE(disclaimer.find(word), std::string_view::npos) << word;
    }
}

TEST(HelpTextContent, EmbeddedTextIsByteIdenticalToTheSourceFile) {
    std::ifstream file(VQ_RESOURCES_SOURCE_DIR "/help.txt", std::ios::binary);
    ASSERT_TRUE(file) << "cannot open help.txt";
    std::string source((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(HelpText(), source);
}

}  // namespace
