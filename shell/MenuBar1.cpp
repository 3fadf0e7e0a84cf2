#include "shell/MenuBar1.h"

#include <optional>
#include <string>

#include "framework/Cast.h"
#include "framework/MenuItem.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"

std::shared_ptr<class MenuBar1> MenuBar1::_implicitInstance;

namespace {

// One complete entry, ready to attach. A separator's shortcut is never set, which
// differs from setting it to the empty text.
template <class T>
std::shared_ptr<MenuItem> Entry(const std::string& name, const std::string& text,
                                const std::optional<std::string>& shortcut) {
    auto entry = std::make_shared<T>();
    entry->Constructor();
    entry->Name(name);
    entry->AutoEnabled(true);
    entry->Text(text);
    entry->Visible(true);
    if (shortcut) {
        entry->Shortcut(*shortcut);
    }
    return entry;
}

constexpr std::nullopt_t kSeparator = std::nullopt;

}  // namespace

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

// Each item goes to its menu as the bar's child of that name, looked up afresh; a
// menu missing from the bar raises the nil-object exception.

void MenuBar1::Untitled0() {
    AddMenu(Entry<MenuItem>("FileMenu", "&File", ""));
    Cast<MenuItem>(Child("FileMenu"))->AddMenu(Entry<QuitMenuItem>("FileQuit", "&Quit", "Cmd+Q"));
    Cast<MenuItem>(Child("FileMenu"))
        ->AddMenu(Entry<PrefsMenuItem>("AboutItem", "About Veltranoquisenary", ""));
}

void MenuBar1::Untitled1() {
    AddMenu(Entry<MenuItem>("EditMenu", "&Edit", ""));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("EditUndo", "&Undo", "Cmd+Z"));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("UntitledMenu1", "-", kSeparator));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("EditCut", "Cu&t", "Cmd+X"));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("EditCopy", "&Copy", "Cmd+C"));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("EditPaste", "&Paste", "Cmd+V"));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("EditClear", "&Delete", ""));
    Cast<MenuItem>(Child("EditMenu"))->AddMenu(Entry<MenuItem>("UntitledMenu0", "-", kSeparator));
    Cast<MenuItem>(Child("EditMenu"))
        ->AddMenu(Entry<MenuItem>("EditSelectAll", "Select &All", "Cmd+A"));
}

void MenuBar1::Untitled2() {
    AddMenu(Entry<MenuItem>("InfoMenu", "Window", ""));
    Cast<MenuItem>(Child("InfoMenu"))->AddMenu(Entry<MenuItem>("ControlItem", "Control", ""));
    Cast<MenuItem>(Child("InfoMenu"))->AddMenu(Entry<MenuItem>("InfoItem", "Info", ""));
}

std::shared_ptr<class MenuBar1> MenuBar1Instance(
    const std::function<std::shared_ptr<class MenuBar1>()>& make) {
    if (!MenuBar1::_implicitInstance) {
        auto bar = make();
        bar->Constructor();
        MenuBar1::_implicitInstance = bar;
    }
    return MenuBar1::_implicitInstance;
}

std::shared_ptr<class MenuBar1> MenuBar1() {
    return MenuBar1Instance([] { return std::make_shared<class MenuBar1>(); });
}
