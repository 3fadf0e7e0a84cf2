// The shared menu bar: its tree, the one object, and a build that fails.
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "framework/Cast.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/RuntimeException.h"
#include "shell/MenuBar1.h"
#include "tests/calculator/FreshProcess.h"
#include "tests/support/GuiTest.h"

namespace {

struct Entry {
    std::string parent;
    std::string name;
    std::string kind;
    std::string text;
    std::optional<std::string> shortcut;  // none: never set
    friend bool operator==(const Entry&, const Entry&) = default;
};

void PrintTo(const Entry& entry, std::ostream* out) {
    *out << "{" << entry.parent << " > " << entry.name << ", " << entry.kind << ", \"" << entry.text
         << "\", " << (entry.shortcut ? "\"" + *entry.shortcut + "\"" : "not set") << "}";
}

std::string KindOf(const MenuItem& item) {
    if (dynamic_cast<const QuitMenuItem*>(&item)) return "QuitMenuItem";
    if (dynamic_cast<const PrefsMenuItem*>(&item)) return "PrefsMenuItem";
    return "MenuItem";
}

Entry Describe(const std::string& parent, const MenuItem& item) {
    return {parent, item.Name(), KindOf(item), item.Text(),
            item.ShortcutSet() ? std::optional(item.Shortcut()) : std::nullopt};
}

// The tree in menu order, each menu followed by its items.
std::vector<Entry> Flatten(const MenuItem& bar) {
    std::vector<Entry> entries;
    for (std::size_t m = 0; m < bar.Count(); ++m) {
        const auto menu = bar.Item(m);
        entries.push_back(Describe("bar", *menu));
        for (std::size_t i = 0; i < menu->Count(); ++i) {
            entries.push_back(Describe(menu->Name(), *menu->Item(i)));
        }
    }
    return entries;
}

const std::vector<Entry> kTree = {
    {"bar", "FileMenu", "MenuItem", "&File", ""},
    {"FileMenu", "FileQuit", "QuitMenuItem", "&Quit", "Cmd+Q"},
    {"FileMenu", "AboutItem", "PrefsMenuItem", "About Veltranoquisenary", ""},
    {"bar", "EditMenu", "MenuItem", "&Edit", ""},
    {"EditMenu", "EditUndo", "MenuItem", "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", "MenuItem", "-", std::nullopt},
    {"EditMenu", "EditCut", "MenuItem", "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", "MenuItem", "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", "MenuItem", "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", "MenuItem", "&Delete", ""},
    {"EditMenu", "UntitledMenu0", "MenuItem", "-", std::nullopt},
    {"EditMenu", "EditSelectAll", "MenuItem", "Select &All", "Cmd+A"},
    {"bar", "InfoMenu", "MenuItem", "Window", ""},
    {"InfoMenu", "ControlItem", "MenuItem", "Control", ""},
    {"InfoMenu", "InfoItem", "MenuItem", "Info", ""},
};

class MenuBar1Test : public GuiTest {};

TEST_F(MenuBar1Test, HoldsTheFileEditAndWindowMenusInOrder) {
    auto bar = MenuBar1();
    EXPECT_EQ(Flatten(*bar), kTree);
}

TEST_F(MenuBar1Test, EveryEntryIsAutoEnabledAndVisibleAndTheBarItselfIsBare) {
    auto bar = MenuBar1();
    for (const auto& entry : kTree) {
        SCOPED_TRACE(entry.name);
        auto item = bar->FindByName(entry.name);
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->AutoEnabled());
        EXPECT_TRUE(item->Visible());
        EXPECT_EQ(item->IsSeparator(), !entry.shortcut.has_value());
    }
    EXPECT_EQ(bar->Name(), "");
    EXPECT_EQ(bar->Text(), "");
    EXPECT_FALSE(bar->ShortcutSet());
}

TEST_F(MenuBar1Test, EveryCallReturnsTheOneObjectBuiltOnce) {
    auto first = MenuBar1();
    auto second = MenuBar1();
    EXPECT_EQ(first, second);
    EXPECT_EQ(MenuBar1::_implicitInstance, first);
    EXPECT_EQ(Flatten(*second), kTree);
}

// A builder whose Window menu's items are attached before the menu itself: the
// bar's Child lookup finds nothing and the runtime raises its nil-object exception.
class BrokenMenuBar : public MenuBar1 {
  public:
    void Untitled2() override { Cast<MenuItem>(Child("InfoMenu")); }
};

TEST_F(MenuBar1Test, AFailedBuildKeepsNothingAndTheNextCallBuildsAfresh) {
    InFreshProcess([] {
        EXPECT_THROW(MenuBar1Instance([] { return std::make_shared<BrokenMenuBar>(); }),
                     NilObjectException);
        EXPECT_EQ(MenuBar1::_implicitInstance, nullptr);

        auto bar = MenuBar1();
        EXPECT_EQ(std::dynamic_pointer_cast<BrokenMenuBar>(bar), nullptr);
        EXPECT_EQ(Flatten(*bar), kTree);
        EXPECT_EQ(MenuBar1(), bar);
    });
}

}  // namespace
