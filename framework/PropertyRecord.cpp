#include "framework/PropertyRecord.h"

#include <bit>
#include <cstring>
#include <map>
#include <utility>

#include "framework/RuntimeException.h"

namespace {

static_assert(std::endian::native == std::endian::little,
              "records are stored little-endian and read in place");

const std::map<std::string, ValueForm, std::less<>>& Forms() {
    static const std::map<std::string, ValueForm, std::less<>> forms = [] {
        std::map<std::string, ValueForm, std::less<>> m;
        for (const char* name :
             {"Width",           "Height",        "MinimumWidth",  "MinimumHeight",
              "MaximumWidth",    "MaximumHeight", "Type",          "MacProcID",
              "DefaultLocation", "Index",         "Left",          "Top",
              "TabIndex",        "TabPanelIndex", "TextAlignment", "MaximumCharactersAllowed",
              "MacButtonStyle",  "UnicodeMode",   "RunMode",       "Period"}) {
            m.emplace(name, ValueForm::Integer);
        }
        for (const char* name : {"HasCloseButton",
                                 "HasMaximizeButton",
                                 "HasMinimizeButton",
                                 "HasFullScreenButton",
                                 "Resizeable",
                                 "Composite",
                                 "FullScreen",
                                 "Visible",
                                 "HasBackgroundColor",
                                 "MenuBarVisible",
                                 "LiveResize",
                                 "LockLeft",
                                 "LockTop",
                                 "LockRight",
                                 "LockBottom",
                                 "TabStop",
                                 "AllowAutoDeactivate",
                                 "HasBorder",
                                 "Enabled",
                                 "Password",
                                 "Transparent",
                                 "AllowFocusRing",
                                 "Bold",
                                 "Italic",
                                 "Underline",
                                 "AllowTabs",
                                 "AllowSpellChecking",
                                 "ReadOnly",
                                 "Multiline",
                                 "Selectable",
                                 "Cancel",
                                 "Default",
                                 "AllowFocus",
                                 "HideSelection",
                                 "HasHorizontalScrollbar",
                                 "HasVerticalScrollbar",
                                 "AllowStyledText"}) {
            m.emplace(name, ValueForm::Boolean);
        }
        for (const char* name :
             {"Title", "Name", "Format", "Tooltip", "FontName", "Hint", "Text", "ValidationMask",
              "DataSource", "DataField", "InitialParent", "Caption", "AccessibleName"}) {
            m.emplace(name, ValueForm::Text);
        }
        m.emplace("BackgroundColor", ValueForm::Colour);
        m.emplace("TextColor", ValueForm::Colour);
        m.emplace("FontSize", ValueForm::Single);
        m.emplace("LineHeight", ValueForm::Double);
        m.emplace("LineSpacing", ValueForm::Double);
        m.emplace("FontUnit", ValueForm::Byte);
        return m;
    }();
    return forms;
}

template <class T>
void AppendRaw(std::string& out, const T& value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    out.append(bytes, sizeof(T));
}

void AppendValue(std::string& out, const PropertyValue& value) {
    std::visit(
        [&out](const auto& v) {
            using V = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<V, std::string>) {
                if (v.size() > 0xffffffffu) {
                    throw RuntimeException("Text too long for a stored property");
                }
                AppendRaw(out, static_cast<std::uint32_t>(v.size()));
                out += v;
            } else if constexpr (std::is_same_v<V, Color>) {
                out += static_cast<char>(v.red);
                out += static_cast<char>(v.green);
                out += static_cast<char>(v.blue);
                out += static_cast<char>(v.alpha);
            } else if constexpr (std::is_same_v<V, bool>) {
                out += static_cast<char>(v ? 1 : 0);
            } else {
                AppendRaw(out, v);
            }
        },
        value);
}

// Reads a record front to back; every read checks the bytes that remain.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}
    bool AtEnd() const { return bytes_.empty(); }

    std::string_view Take(std::size_t count, std::string_view what) {
        if (bytes_.size() < count) {
            throw RuntimeException("Stored property record cut short in " + std::string(what));
        }
        auto taken = bytes_.substr(0, count);
        bytes_.remove_prefix(count);
        return taken;
    }

    template <class T>
    T TakeRaw(std::string_view what) {
        T value;
        std::memcpy(&value, Take(sizeof(T), what).data(), sizeof(T));
        return value;
    }

    std::string TakeName() {
        auto blank = bytes_.find(' ');
        if (blank == std::string_view::npos) {
            throw RuntimeException("Stored property record cut short in a property name");
        }
        std::string name(bytes_.substr(0, blank));
        bytes_.remove_prefix(blank + 1);
        return name;
    }

  private:
    std::string_view bytes_;
};

PropertyValue TakeValue(Reader& reader, ValueForm form, const std::string& name) {
    switch (form) {
        case ValueForm::Integer:
            return reader.TakeRaw<std::int64_t>(name);
        case ValueForm::Boolean: {
            auto byte = reader.TakeRaw<std::uint8_t>(name);
            if (byte > 1) {
                throw RuntimeException("Property " + name + " holds no Boolean");
            }
            return byte == 1;
        }
        case ValueForm::Text: {
            auto length = reader.TakeRaw<std::uint32_t>(name);
            return std::string(reader.Take(length, name));
        }
        case ValueForm::Colour: {
            auto bytes = reader.Take(4, name);
            return Color{static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
                         static_cast<std::uint8_t>(bytes[2]), static_cast<std::uint8_t>(bytes[3])};
        }
        case ValueForm::Single:
            return reader.TakeRaw<float>(name);
        case ValueForm::Double:
            return reader.TakeRaw<double>(name);
        case ValueForm::Byte:
            return reader.TakeRaw<std::uint8_t>(name);
    }
    throw RuntimeException("Property " + name + " has no known form");
}

}  // namespace

PropertyEntry Int(std::string name, std::int64_t value) { return {std::move(name), value}; }
PropertyEntry Bool(std::string name, bool value) { return {std::move(name), value}; }
PropertyEntry Text(std::string name, std::string value) {
    return {std::move(name), std::move(value)};
}
PropertyEntry Colour(std::string name, Color value) { return {std::move(name), value}; }
PropertyEntry Single(std::string name, float value) { return {std::move(name), value}; }
PropertyEntry Double(std::string name, double value) { return {std::move(name), value}; }
PropertyEntry Byte(std::string name, std::uint8_t value) { return {std::move(name), value}; }

ValueForm FormOf(std::string_view name) {
    const auto& forms = Forms();
    auto found = forms.find(name);
    if (found == forms.end()) {
        throw RuntimeException("Unknown stored property " + std::string(name));
    }
    return found->second;
}

PropertyRecord::PropertyRecord(std::initializer_list<PropertyEntry> entries) {
    for (const auto& entry : entries) {
        Append(entry);
    }
}

PropertyRecord::PropertyRecord(const std::vector<PropertyEntry>& head,
                               std::initializer_list<PropertyEntry> rest) {
    for (const auto& entry : head) {
        Append(entry);
    }
    for (const auto& entry : rest) {
        Append(entry);
    }
}

void PropertyRecord::Append(const PropertyEntry& entry) {
    if (static_cast<std::size_t>(FormOf(entry.name)) != entry.value.index()) {
        throw RuntimeException("Property " + entry.name + " given a value of the wrong form");
    }
    bytes_ += entry.name;
    bytes_ += ' ';
    AppendValue(bytes_, entry.value);
    ++count_;
}

std::vector<PropertyEntry> ControlRecordHead(const ControlPlacement& placement) {
    return {
        Text("Name", placement.name),
        Int("Index", kNoControlArray),
        Int("Left", placement.left),
        Int("Top", placement.top),
        Int("Width", placement.width),
        Int("Height", placement.height),
        Bool("LockLeft", placement.lockedTopLeft),
        Bool("LockTop", placement.lockedTopLeft),
        Bool("LockRight", false),
        Bool("LockBottom", false),
        Int("TabIndex", placement.tabIndex),
        Int("TabPanelIndex", 0),
        Bool("TabStop", placement.tabStop),
        Bool("AllowAutoDeactivate", true),
    };
}

PropertyRecord WindowRecordOf(const WindowLook& look) {
    return PropertyRecord{
        Int("Width", look.width),
        Int("Height", look.height),
        Int("MinimumWidth", 64),
        Int("MinimumHeight", 64),
        Int("MaximumWidth", 32000),
        Int("MaximumHeight", 32000),
        Int("Type", look.type),
        Text("Title", look.title),
        Bool("HasCloseButton", true),
        Bool("HasMaximizeButton", look.hasMaximizeButton),
        Bool("HasMinimizeButton", true),
        Bool("HasFullScreenButton", false),
        Bool("Resizeable", look.resizeable),
        Bool("Composite", false),
        Int("MacProcID", 0),
        Bool("FullScreen", false),
        Int("DefaultLocation", look.defaultLocation),
        Bool("Visible", true),
        Bool("HasBackgroundColor", look.hasBackgroundColor),
        Colour("BackgroundColor", kWhite),
        Bool("MenuBarVisible", true),
        Bool("LiveResize", look.liveResize),
    };
}

std::vector<PropertyEntry> PropertyRecord::Decode(std::string_view bytes) {
    std::vector<PropertyEntry> entries;
    Reader reader(bytes);
    while (!reader.AtEnd()) {
        auto name = reader.TakeName();
        auto value = TakeValue(reader, FormOf(name), name);
        entries.push_back({std::move(name), std::move(value)});
    }
    return entries;
}

void SetProperties(PropertyTarget& target, std::string_view record) {
    // Decoded whole first, so that a malformed record changes nothing.
    for (const auto& entry : PropertyRecord::Decode(record)) {
        target.SetProperty(entry.name, entry.value);
    }
}
