#include "calculator/ControlWndRecords.h"

#include <cstdint>
#include <string>

namespace ControlWndRecords {

namespace {

// The six text fields share their column, size, font and look; result fields differ
// from input fields only in starting hidden.
PropertyRecord TextFieldRecord(const std::string& name, std::int64_t top, std::int64_t tabIndex,
                               bool visible, std::int64_t maximumCharacters) {
    return PropertyRecord{ControlRecordHead({name, 268, top, 80, 22, tabIndex, true}),
                          {
                              Colour("BackgroundColor", kWhite),
                              Bool("HasBorder", true),
                              Bool("Enabled", true),
                              Text("Format", ""),
                              Text("Tooltip", ""),
                              Bool("Password", false),
                              Colour("TextColor", kBlack),
                              Bool("Transparent", true),
                              Bool("AllowFocusRing", true),
                              Bool("Visible", visible),
                              Text("FontName", "Courier"),
                              Single("FontSize", 12.0f),
                              Byte("FontUnit", 0),
                              Bool("Bold", false),
                              Bool("Italic", false),
                              Bool("Underline", false),
                              Text("Hint", ""),
                              Text("Text", ""),
                              Bool("AllowTabs", false),
                              Int("TextAlignment", 2),
                              Bool("AllowSpellChecking", false),
                              Int("MaximumCharactersAllowed", maximumCharacters),
                              Text("ValidationMask", ""),
                              Bool("ReadOnly", false),
                              Text("DataSource", ""),
                              Text("DataField", ""),
                              Text("InitialParent", ""),
                          }};
}

// The bold captions in the left-hand column.
PropertyRecord LabelRecord(const std::string& name, std::int64_t top, std::int64_t width,
                           std::int64_t tabIndex, const std::string& text, bool visible) {
    return PropertyRecord{ControlRecordHead({name, 50, top, width, 20, tabIndex, false}),
                          {
                              Bool("Enabled", true),
                              Text("Tooltip", ""),
                              Bool("Multiline", false),
                              Bool("Selectable", false),
                              Int("TextAlignment", 0),
                              Colour("TextColor", kBlack),
                              Bool("Transparent", false),
                              Text("Text", text),
                              Bool("Visible", visible),
                              Bool("Bold", true),
                              Bool("Italic", false),
                              Text("FontName", "System"),
                              Bool("Underline", false),
                              Single("FontSize", 12.0f),
                              Byte("FontUnit", 0),
                              Text("DataSource", ""),
                              Text("DataField", ""),
                              Text("InitialParent", ""),
                          }};
}

// The three buttons along the bottom edge; none is in the keyboard's tab order.
PropertyRecord PushButtonRecord(const std::string& name, std::int64_t left, std::int64_t tabIndex,
                                const std::string& caption, float fontSize, bool bold) {
    return PropertyRecord{ControlRecordHead({name, left, 430, 80, 40, tabIndex, false}),
                          {
                              Int("MacButtonStyle", 0),
                              Bool("Cancel", false),
                              Text("Caption", caption),
                              Bool("Default", true),
                              Bool("Enabled", true),
                              Text("Tooltip", ""),
                              Bool("Transparent", true),
                              Bool("Visible", true),
                              Text("FontName", "System"),
                              Single("FontSize", fontSize),
                              Byte("FontUnit", 0),
                              Bool("Bold", bold),
                              Bool("Italic", false),
                              Bool("Underline", false),
                              Text("InitialParent", ""),
                          }};
}

}  // namespace

const PropertyRecord& Window() {
    static const PropertyRecord record = WindowRecordOf({.width = 600,
                                                         .height = 480,
                                                         .type = 0,
                                                         .title = "Veltranoquisenary",
                                                         .hasMaximizeButton = false,
                                                         .resizeable = false,
                                                         .defaultLocation = 0,
                                                         .hasBackgroundColor = true,
                                                         .liveResize = true});
    return record;
}

const PropertyRecord& kFld() {
    static const PropertyRecord record = TextFieldRecord("kFld", 180, 0, true, 6);
    return record;
}

const PropertyRecord& RxxText() {
    static const PropertyRecord record =
        LabelRecord("RxxText", 180, 170, 3, "Number of Variables (2-99):", true);
    return record;
}

const PropertyRecord& clearBtn() {
    static const PropertyRecord record =
        PushButtonRecord("clearBtn", 268, 4, "Clear", 12.0f, false);
    return record;
}

const PropertyRecord& helpBtn() {
    static const PropertyRecord record = PushButtonRecord("helpBtn", 500, 5, "?", 16.0f, true);
    return record;
}

const PropertyRecord& calcBtn() {
    static const PropertyRecord record =
        PushButtonRecord("calcBtn", 20, 6, "Calculate", 12.0f, false);
    return record;
}

const PropertyRecord& RxxText1() {
    static const PropertyRecord record =
        LabelRecord("RxxText1", 210, 193, 7, "Number of Participants (> 30):", true);
    return record;
}

const PropertyRecord& nFld() {
    static const PropertyRecord record = TextFieldRecord("nFld", 210, 1, true, 6);
    return record;
}

const PropertyRecord& RxxText2() {
    static const PropertyRecord record =
        LabelRecord("RxxText2", 240, 150, 10, "Determinant:", true);
    return record;
}

const PropertyRecord& detFld() {
    static const PropertyRecord record = TextFieldRecord("detFld", 240, 3, true, 9);
    return record;
}

const PropertyRecord& hLabel() {
    static const PropertyRecord record = LabelRecord("hLabel", 270, 150, 12, "H:", false);
    return record;
}

const PropertyRecord& hFld() {
    static const PropertyRecord record = TextFieldRecord("hFld", 270, 13, false, 6);
    return record;
}

const PropertyRecord& dfLabel() {
    static const PropertyRecord record = LabelRecord("dfLabel", 300, 150, 14, "df:", false);
    return record;
}

const PropertyRecord& dfFld() {
    static const PropertyRecord record = TextFieldRecord("dfFld", 300, 15, false, 6);
    return record;
}

const PropertyRecord& pLabel() {
    static const PropertyRecord record = LabelRecord("pLabel", 330, 150, 16, "p:", false);
    return record;
}

const PropertyRecord& pFld() {
    static const PropertyRecord record = TextFieldRecord("pFld", 330, 17, false, 6);
    return record;
}

const PropertyRecord& Canvas1() {
    static const PropertyRecord record{
        ControlRecordHead({"Canvas1", 50, 10, 500, 87, 18, true, true}),
        {
            Bool("Enabled", true),
            Text("Tooltip", ""),
            Bool("AllowFocusRing", false),
            Bool("Visible", true),
            Bool("AllowFocus", false),
            Bool("AllowTabs", false),
            Bool("Transparent", true),
            Text("InitialParent", ""),
        }};
    return record;
}

}  // namespace ControlWndRecords
