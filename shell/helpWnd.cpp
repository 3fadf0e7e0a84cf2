#include "shell/helpWnd.h"

#include "calculator/ControlWnd.h"
#include "framework/Cast.h"
#include "framework/EventSlot.h"
#include "framework/MenuItem.h"
#include "framework/PrefsMenuItem.h"
#include "framework/PropertyRecord.h"
#include "framework/QuitMenuItem.h"
#include "framework/StyledText.h"
#include "framework/TextArea.h"
#include "resources/HelpText.h"
#include "shell/MenuBar1.h"

namespace {

// The title line, "Veltranoquisenary", without the CR that ends it.
constexpr std::int64_t kTitleLength = 17;

}  // namespace

const PropertyRecord& helpWnd::WindowRecord() {
    static const PropertyRecord record = WindowRecordOf({.width = 550,
                                                         .height = 500,
                                                         .type = 0,
                                                         .title = "Info",
                                                         .hasMaximizeButton = false,
                                                         .resizeable = false,
                                                         .defaultLocation = 3,
                                                         .hasBackgroundColor = false,
                                                         .liveResize = false});
    return record;
}

const PropertyRecord& helpWnd::EditField1Record() {
    static const PropertyRecord record{ControlRecordHead({"EditField1", -1, -1, 551, 498, 0, true}),
                                       {
                                           Colour("BackgroundColor", kWhite),
                                           Bool("HasBorder", true),
                                           Bool("Enabled", true),
                                           Text("Format", ""),
                                           Text("Tooltip", ""),
                                           Bool("HideSelection", true),
                                           Double("LineHeight", 0.0),
                                           Double("LineSpacing", 1.0),
                                           Bool("Multiline", true),
                                           Bool("HasHorizontalScrollbar", true),
                                           Bool("HasVerticalScrollbar", true),
                                           Bool("AllowStyledText", true),
                                           Colour("TextColor", kBlack),
                                           Bool("Transparent", true),
                                           Bool("AllowFocusRing", true),
                                           Bool("Visible", true),
                                           Bool("Bold", false),
                                           Bool("Italic", false),
                                           Text("FontName", "System"),
                                           Single("FontSize", 12.0f),
                                           Byte("FontUnit", 0),
                                           Bool("Underline", false),
                                           Text("Text", std::string(HelpText())),
                                           Bool("AllowTabs", false),
                                           Int("TextAlignment", 0),
                                           Bool("AllowSpellChecking", false),
                                           Int("MaximumCharactersAllowed", 0),
                                           Text("ValidationMask", ""),
                                           Bool("ReadOnly", false),
                                           Int("UnicodeMode", 0),
                                           Text("DataSource", ""),
                                           Text("DataField", ""),
                                           Text("InitialParent", ""),
                                       }};
    return record;
}

void helpWnd::Layout() {
    MenuBar(MenuBar1());
    SetProperties(*this, WindowRecord());
}

void helpWnd::CreateControls() { CreateControls0(); }

void helpWnd::CreateControls0() {
    AddNewControl<TextArea>("EditField1", EditField1Record())
        ->Open.Attach(Delegate(this, &helpWnd::EditField1_Open));
}

std::shared_ptr<TextArea> helpWnd::EditField1() const {
    return ControlByName<TextArea>("EditField1");
}

void helpWnd::EditField1_Open(TextArea&) {
    Cast<StyledText>(EditField1()->StyledText())->Bold(0, kTitleLength, true);
}

void helpWnd::AddMenuHandlers(Window& window) {
    auto& self = Cast<helpWnd>(window);
    AddMenuHandler("ControlItem", Delegate(&self, &helpWnd::ControlItem_Action));
}

bool helpWnd::ControlItem_Action() {
    ::ControlWnd()->Show();
    return true;
}

std::shared_ptr<class helpWnd> helpWnd() {
    return ImplicitInstance<class helpWnd>("helpWnd.helpWnd");
}
