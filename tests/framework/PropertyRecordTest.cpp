#include "framework/PropertyRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "framework/RuntimeException.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

struct FormCase {
    const char* label;
    PropertyEntry entry;
    std::string expected;  // the bytes after "<name> "
};
void PrintTo(const FormCase& c, std::ostream* os) { *os << c.label; }

class ValueForms : public testing::TestWithParam<FormCase> {};

TEST_P(ValueForms, EncodeToExactBytesAndDecodeBack) {
    const auto& c = GetParam();
    PropertyRecord record{c.entry};
    EXPECT_EQ(record.Bytes(), c.entry.name + " " + c.expected);
    EXPECT_EQ(record.Count(), 1u);
    auto decoded = PropertyRecord::Decode(record.Bytes());
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_EQ(decoded[0], c.entry);
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, ValueForms,
    testing::Values(
        FormCase{"IntegerLittleEndian", Int("Width", 600), Bytes({0x58, 0x02, 0, 0, 0, 0, 0, 0})},
        FormCase{"NegativeInteger", Int("Index", -2147483648LL),
                 Bytes({0, 0, 0, 0x80, 0xff, 0xff, 0xff, 0xff})},
        FormCase{"BooleanTrue", Bool("Visible", true), Bytes({1})},
        FormCase{"BooleanFalse", Bool("Resizeable", false), Bytes({0})},
        FormCase{"TextWithLength", Text("Title", "Info"), Bytes({4, 0, 0, 0}) + "Info"},
        FormCase{"EmptyText", Text("Tooltip", ""), Bytes({0, 0, 0, 0})},
        FormCase{"Utf8TextCountsBytes", Text("Text", "\xe2\x80\x93"),
                 Bytes({3, 0, 0, 0, 0xe2, 0x80, 0x93})},
        FormCase{"ColourBytesInOrder", Colour("BackgroundColor", kWhite),
                 Bytes({0xff, 0xff, 0xff, 0x00})},
        FormCase{"SingleFloat", Single("FontSize", 12.0f), Bytes({0, 0, 0x40, 0x41})},
        FormCase{"DoubleFloat", Double("LineSpacing", 1.0), Bytes({0, 0, 0, 0, 0, 0, 0xf0, 0x3f})},
        FormCase{"OneByte", Byte("FontUnit", 0), Bytes({0})}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PropertyRecord, KeepsEntriesInOrderAndCountsThem) {
    PropertyRecord record{Int("Left", 1), Bool("Visible", false), Text("Name", "kFld")};
    auto decoded = PropertyRecord::Decode(record.Bytes());
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_EQ(decoded[0].name, "Left");
    EXPECT_EQ(decoded[1].name, "Visible");
    EXPECT_EQ(decoded[2].name, "Name");
    EXPECT_EQ(record.Count(), 3u);
    // 5+8, 8+1, 5+4+4
    EXPECT_EQ(record.Bytes().size(), 13u + 9u + 13u);
}

TEST(PropertyRecord, RefusesAValueOfTheWrongFormWhenWritten) {
    EXPECT_THROW((PropertyRecord{Bool("Width", true)}), RuntimeException);
    EXPECT_THROW((PropertyRecord{Int("Title", 3)}), RuntimeException);
    EXPECT_THROW((PropertyRecord{Double("FontSize", 12.0)}), RuntimeException);
    EXPECT_THROW((PropertyRecord{Int("NoSuchProperty", 1)}), RuntimeException);
}

struct MalformedCase {
    const char* label;
    std::string bytes;
};
void PrintTo(const MalformedCase& c, std::ostream* os) { *os << c.label; }

class MalformedRecords : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedRecords, AreRefusedNeverReadPastTheirEnd) {
    const auto& bytes = GetParam().bytes;
    // An exact-size heap copy, so that a read past the end is caught by the sanitizers.
    std::vector<char> exact(bytes.begin(), bytes.end());
    std::string_view view(exact.data(), exact.size());
    EXPECT_THROW(PropertyRecord::Decode(view), RuntimeException);
}

INSTANTIATE_TEST_SUITE_P(
    CutShortOrWrong, MalformedRecords,
    testing::Values(
        MalformedCase{"NameWithoutBlank", "Width"},
        MalformedCase{"UnknownName", "Colour " + Bytes({1})},
        MalformedCase{"IntegerCutShort", "Width " + Bytes({1, 2, 3})},
        MalformedCase{"BooleanMissing", "Visible "},
        MalformedCase{"BooleanNotZeroOrOne", "Visible " + Bytes({2})},
        MalformedCase{"TextLengthCutShort", "Title " + Bytes({4, 0})},
        MalformedCase{"TextShorterThanItsLength", "Title " + Bytes({9, 0, 0, 0}) + "abc"},
        MalformedCase{"HugeTextLength", "Title " + Bytes({0xff, 0xff, 0xff, 0xff})},
        MalformedCase{"ColourCutShort", "TextColor " + Bytes({0, 0})},
        MalformedCase{"SecondEntryCutShort", "Visible " + Bytes({1}) + "Height " + Bytes({1})}),
    [](const auto& info) { return std::string(info.param.label); });

// Records what a record sets, in order.
class RecordingTarget : public PropertyTarget {
  public:
    void SetProperty(std::string_view name, const PropertyValue& value) override {
        if (name == "Caption") throw RuntimeException("no Caption here");
        applied.push_back({std::string(name), value});
    }
    std::vector<PropertyEntry> applied;
};

TEST(SetProperties, AppliesEntriesInRecordOrder) {
    PropertyRecord record{Int("Top", 2), Int("Left", 1), Text("Name", "x")};
    RecordingTarget target;
    SetProperties(target, record);
    ASSERT_EQ(target.applied.size(), 3u);
    EXPECT_EQ(target.applied[0].name, "Top");
    EXPECT_EQ(target.applied[1].name, "Left");
    EXPECT_EQ(target.applied[2].name, "Name");
}

TEST(SetProperties, AMalformedRecordChangesNothing) {
    RecordingTarget target;
    std::string bytes = PropertyRecord{Int("Top", 2)}.Bytes() + "Left " + Bytes({1});
    EXPECT_THROW(SetProperties(target, bytes), RuntimeException);
    EXPECT_TRUE(target.applied.empty());
}

TEST(SetProperties, APropertyTheTargetLacksIsRaisedNotIgnored) {
    RecordingTarget target;
    EXPECT_THROW(SetProperties(target, PropertyRecord{Text("Caption", "OK")}), RuntimeException);
}

}  // namespace
