#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An entry of a menu tree: a menu bar is the root, its children are the menus,
// theirs the items. A command chosen from an entry goes to the handler that the
// front window registered under the entry's Name; with none, to the entry's default.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
  public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    // The parameterless constructor, run after the object is made; entries start empty.
    virtual void Constructor();

    void Name(const std::string& name);
    const std::string& Name() const { return name_; }
    // True: the toolkit enables the entry exactly when a handler or default applies.
    void AutoEnabled(bool autoEnabled);
    bool AutoEnabled() const { return autoEnabled_; }
    // "&" marks the access key; "-" makes a separator.
    void Text(const std::string& text);
    const std::string& Text() const { return text_; }
    void Visible(bool visible);
    bool Visible() const { return visible_; }
    // "Cmd+Q" is Ctrl+Q on this desktop; the empty text is no shortcut.
    void Shortcut(const std::string& shortcut);
    const std::string& Shortcut() const { return shortcut_; }
    // Whether Shortcut was ever set (a separator's never is).
    bool ShortcutSet() const { return shortcutSet_; }

    bool IsSeparator() const { return text_ == "-"; }

    // Appends a last child.
    void AddMenu(std::shared_ptr<MenuItem> item);
    // The direct child of that name, or none.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    std::size_t Count() const { return children_.size(); }
    std::shared_ptr<MenuItem> Item(std::size_t index) const;
    // This entry or the first below it with that name, or none.
    std::shared_ptr<MenuItem> FindByName(std::string_view name);

    // What the toolkit does with a command that no window's handler took.
    virtual void DefaultAction();
    virtual bool DefaultActionApplies() const;

  private:
    std::string name_;
    std::string text_;
    std::string shortcut_;
    bool autoEnabled_ = false;
    bool visible_ = true;
    bool shortcutSet_ = false;
    std::vector<std::shared_ptr<MenuItem>> children_;
};
