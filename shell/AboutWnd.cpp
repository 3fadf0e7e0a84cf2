#include "shell/AboutWnd.h"

#include "calculator/ControlWnd.h"
#include "framework/Canvas.h"
#include "framework/Cast.h"
#include "framework/EventSlot.h"
#include "framework/Label.h"
#include "framework/PropertyRecord.h"
#include "shell/LogoPictures.h"

namespace {

// Fits the label's 229 pixels at font size 9.
constexpr const char* kNotice = "\xC2\xA9 2021 the Veltranoquisenary authors";

}  // namespace

const PropertyRecord& AboutWnd::WindowRecord() {
    static const PropertyRecord record = WindowRecordOf({.width = 500,
                                                         .height = 250,
                                                         .type = 2,
                                                         .title = "",
                                                         .hasMaximizeButton = true,
                                                         .resizeable = true,
                                                         .defaultLocation = 0,
                                                         .hasBackgroundColor = true,
                                                         .liveResize = false});
    return record;
}

const PropertyRecord& AboutWnd::StaticText2Record() {
    static const PropertyRecord record{
        ControlRecordHead({"StaticText2", 136, 215, 229, 15, 3, false}),
        {
            Bool("Enabled", true),
            Text("Tooltip", ""),
            Bool("Multiline", true),
            Bool("Selectable", false),
            Int("TextAlignment", 2),
            Colour("TextColor", kBlack),
            Bool("Transparent", false),
            Text("Text", kNotice),
            Bool("Visible", true),
            Bool("Bold", false),
            Bool("Italic", false),
            Text("FontName", "System"),
            Bool("Underline", false),
            Single("FontSize", 9.0f),
            Byte("FontUnit", 0),
            Text("DataSource", ""),
            Text("DataField", ""),
            Text("InitialParent", ""),
        }};
    return record;
}

const PropertyRecord& AboutWnd::Timer1Record() {
    static const PropertyRecord record{
        Int("RunMode", 1),
        Int("Period", 4000),
        Bool("Enabled", true),
    };
    return record;
}

const PropertyRecord& AboutWnd::Canvas1Record() {
    static const PropertyRecord record{
        ControlRecordHead({"Canvas1", 49, 60, 402, 69, 4, true, true}),
        {
            Bool("Enabled", true),
            Text("Tooltip", ""),
            Bool("AllowFocusRing", true),
            Bool("Visible", true),
            Bool("AllowFocus", false),
            Bool("AllowTabs", false),
            Bool("Transparent", true),
            Text("InitialParent", ""),
        }};
    return record;
}

void AboutWnd::Layout() { SetProperties(*this, WindowRecord()); }

void AboutWnd::CreateControls() { CreateControls0(); }

void AboutWnd::CreateControls0() {
    AddNewControl<Label>("StaticText2", StaticText2Record());
    AddNewControl<_wrapper_Timer1>("Timer1", Timer1Record())
        ->Action.Attach(Delegate(this, &AboutWnd::Timer1_Action));

    auto logo = AddNewControl<Canvas>("Canvas1");
    logo->Backdrop(Veltr400());
    SetProperties(*logo, Canvas1Record());
    logo->AccessibleName(kLogoAccessibleName);
}

std::shared_ptr<Label> AboutWnd::StaticText2() const { return ControlByName<Label>("StaticText2"); }

std::shared_ptr<Timer> AboutWnd::Timer1() const { return ControlByName<Timer>("Timer1"); }

std::shared_ptr<Canvas> AboutWnd::Canvas1() const { return ControlByName<Canvas>("Canvas1"); }

void AboutWnd::GiveWayToCalculator() {
    // Always the single instance, not the window or timer that raised the event.
    ::AboutWnd()->Hide();
    ::ControlWnd()->Show();
}

void AboutWnd::Timer1_Action(Timer&) { GiveWayToCalculator(); }

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
    GiveWayToCalculator();
    return false;
}

bool AboutWnd::Event_KeyDown(const std::string&) {
    GiveWayToCalculator();
    return false;
}

std::shared_ptr<class AboutWnd> AboutWnd() {
    return ImplicitInstance<class AboutWnd>("AboutWnd.AboutWnd");
}
