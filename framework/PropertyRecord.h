#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Stored property records: every window and control is created from a constant
// byte string of named entries. Each entry is the property's name, one blank, then
// the value in the form that the name fixes (the entries carry no type tag). In
// source a record is written as a readable list of typed entries; PropertyRecord
// encodes it to exactly those bytes, and SetProperties decodes and applies them.

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 0;  // 0 is opaque
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kWhite{0xff, 0xff, 0xff, 0x00};
inline constexpr Color kBlack{0x00, 0x00, 0x00, 0x00};

enum class ValueForm { Integer, Boolean, Text, Colour, Single, Double, Byte };

// Alternatives in the order of ValueForm.
using PropertyValue =
    std::variant<std::int64_t, bool, std::string, Color, float, double, std::uint8_t>;

struct PropertyEntry {
    std::string name;
    PropertyValue value;
    friend bool operator==(const PropertyEntry&, const PropertyEntry&) = default;
};

// Typed entries, so that a record reads like the table it comes from.
PropertyEntry Int(std::string name, std::int64_t value);
PropertyEntry Bool(std::string name, bool value);
PropertyEntry Text(std::string name, std::string value);
PropertyEntry Colour(std::string name, Color value);
PropertyEntry Single(std::string name, float value);
PropertyEntry Double(std::string name, double value);
PropertyEntry Byte(std::string name, std::uint8_t value);

// The form that a property name fixes. Raises RuntimeException for a name that no
// record may hold.
ValueForm FormOf(std::string_view name);

class PropertyRecord {
  public:
    // Raises RuntimeException when an entry's value is not of its name's form.
    PropertyRecord(std::initializer_list<PropertyEntry> entries);
    // A control's record: the entries every control record opens with, then its kind's.
    PropertyRecord(const std::vector<PropertyEntry>& head,
                   std::initializer_list<PropertyEntry> rest);

    const std::string& Bytes() const { return bytes_; }
    std::size_t Count() const { return count_; }

    // The entries of a stored record, in order. Raises RuntimeException for an
    // unknown name, a value of the wrong form or a record cut short.
    static std::vector<PropertyEntry> Decode(std::string_view bytes);

  private:
    void Append(const PropertyEntry& entry);

    std::string bytes_;
    std::size_t count_ = 0;
};

// The lowest 32-bit integer as a control's Index: the control is no member of a
// control array and is found by its name alone.
inline constexpr std::int64_t kNoControlArray = -2147483648LL;

// Where a control sits and how the keyboard reaches it.
struct ControlPlacement {
    std::string name;
    std::int64_t left = 0, top = 0, width = 0, height = 0;
    std::int64_t tabIndex = 0;
    bool tabStop = false;
    bool lockedTopLeft = false;  // LockLeft and LockTop; no control locks right or bottom
};

// The fourteen entries that open every control's record, in their stored order.
std::vector<PropertyEntry> ControlRecordHead(const ControlPlacement& placement);

// What sets one window apart from another; the rest of a window's record is the same
// for every window.
struct WindowLook {
    std::int64_t width = 0, height = 0;
    std::int64_t type = 0;
    std::string title;
    bool hasMaximizeButton = false;
    bool resizeable = false;
    std::int64_t defaultLocation = 0;
    bool hasBackgroundColor = false;
    bool liveResize = false;
};

// A window's whole record, its twenty-two entries in their stored order.
PropertyRecord WindowRecordOf(const WindowLook& look);

// Anything a record can be applied to: a window or a control.
class PropertyTarget {
  public:
    virtual ~PropertyTarget() = default;
    // Raises RuntimeException for a property this kind of object does not have.
    virtual void SetProperty(std::string_view name, const PropertyValue& value) = 0;
};

// Applies a stored record's entries to the target in record order.
void SetProperties(PropertyTarget& target, std::string_view record);
inline void SetProperties(PropertyTarget& target, const PropertyRecord& record) {
    SetProperties(target, record.Bytes());
}
