#include "framework/MenuItem.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QTextEdit>

#include "framework/EditTarget.h"
#include "framework/QuitMenuItem.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"

MenuItem::MenuItem() { CheckUIThread(); }
MenuItem::~MenuItem() = default;

void MenuItem::Constructor() { CheckUIThread(); }

void MenuItem::Name(const std::string& name) {
    CheckUIThread();
    name_ = name;
}

void MenuItem::AutoEnabled(bool autoEnabled) {
    CheckUIThread();
    autoEnabled_ = autoEnabled;
}

void MenuItem::Text(const std::string& text) {
    CheckUIThread();
    text_ = text;
}

void MenuItem::Visible(bool visible) {
    CheckUIThread();
    visible_ = visible;
}

void MenuItem::Shortcut(const std::string& shortcut) {
    CheckUIThread();
    shortcut_ = shortcut;
    shortcutSet_ = true;
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> item) {
    CheckUIThread();
    if (!item) {
        throw NilObjectException("No menu item to add");
    }
    children_.push_back(std::move(item));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    CheckUIThread();
    for (const auto& child : children_) {
        if (child->name_ == name) {
            return child;
        }
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Item(std::size_t index) const {
    CheckUIThread();
    if (index >= children_.size()) {
        throw RuntimeException("Menu item index out of bounds");
    }
    return children_[index];
}

std::shared_ptr<MenuItem> MenuItem::FindByName(std::string_view name) {
    CheckUIThread();
    if (name_ == name) {
        return shared_from_this();
    }
    for (const auto& child : children_) {
        if (auto found = child->FindByName(name)) {
            return found;
        }
    }
    return nullptr;
}

namespace {

// Never destroyed: it must not be touched after QApplication has gone.
QPointer<QWidget>& FocusBeforeMenuBar() {
    static auto* widget = new QPointer<QWidget>;
    return *widget;
}

}  // namespace

void NoteFocusChange(QWidget* old, QWidget* now) {
    if (qobject_cast<QMenuBar*>(now) != nullptr) {
        if (qobject_cast<QMenuBar*>(old) == nullptr) {
            FocusBeforeMenuBar() = old;
        }
    } else {
        FocusBeforeMenuBar() = nullptr;
    }
}

QWidget* EditTarget() {
    auto* focus = QApplication::focusWidget();
    return qobject_cast<QMenuBar*>(focus) != nullptr ? FocusBeforeMenuBar().data() : focus;
}

namespace {

// The standard editing commands, known by their item names, act on the focused text
// control (EditTarget). Each returns whether it applies now, and acts only when asked to.
// Paste applies wherever text can be pasted: whether the clipboard holds any is for
// its owner, another program, to answer, and one that has stopped would hold up every
// focus change and every opening menu for seconds. Pasting nothing does nothing.
bool EditCommand(std::string_view name, bool act) {
    auto* focus = EditTarget();
    if (auto* line = qobject_cast<QLineEdit*>(focus)) {
        const bool editable = !line->isReadOnly();
        if (name == "EditUndo") {
            if (act) line->undo();
            return editable && line->isUndoAvailable();
        }
        if (name == "EditCut") {
            if (act) line->cut();
            return editable && line->hasSelectedText();
        }
        if (name == "EditCopy") {
            if (act) line->copy();
            return line->hasSelectedText();
        }
        if (name == "EditPaste") {
            if (act) line->paste();
            return editable;
        }
        if (name == "EditClear") {
            if (act) line->del();
            return editable && line->hasSelectedText();
        }
        if (name == "EditSelectAll") {
            if (act) line->selectAll();
            return !line->text().isEmpty();
        }
        return false;
    }
    if (auto* area = qobject_cast<QTextEdit*>(focus)) {
        const bool editable = !area->isReadOnly();
        const bool selection = area->textCursor().hasSelection();
        if (name == "EditUndo") {
            if (act) area->undo();
            return editable && area->document()->isUndoAvailable();
        }
        if (name == "EditCut") {
            if (act) area->cut();
            return editable && selection;
        }
        if (name == "EditCopy") {
            if (act) area->copy();
            return selection;
        }
        if (name == "EditPaste") {
            if (act) area->paste();
            return editable;
        }
        if (name == "EditClear") {
            if (act) area->textCursor().removeSelectedText();
            return editable && selection;
        }
        if (name == "EditSelectAll") {
            if (act) area->selectAll();
            return !area->document()->isEmpty();
        }
    }
    return false;
}

}  // namespace

void MenuItem::DefaultAction() {
    CheckUIThread();
    if (EditCommand(name_, false)) {
        EditCommand(name_, true);
    }
}

bool MenuItem::DefaultActionApplies() const { return EditCommand(name_, false); }

void QuitMenuItem::DefaultAction() {
    CheckUIThread();
    Quit(0);
}
