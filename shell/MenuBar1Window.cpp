#include "shell/MenuBar1Window.h"

std::shared_ptr<MenuItem> MenuBar1Window::InfoMenu() const {
    return MenuItemByName<MenuItem>("InfoMenu");
}

std::shared_ptr<MenuItem> MenuBar1Window::InfoItem() const {
    return MenuItemByName<MenuItem>("InfoItem");
}

std::shared_ptr<MenuItem> MenuBar1Window::ControlItem() const {
    return MenuItemByName<MenuItem>("ControlItem");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditMenu() const {
    return MenuItemByName<MenuItem>("EditMenu");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditSelectAll() const {
    return MenuItemByName<MenuItem>("EditSelectAll");
}

std::shared_ptr<MenuItem> MenuBar1Window::UntitledMenu0() const {
    return MenuItemByName<MenuItem>("UntitledMenu0");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditClear() const {
    return MenuItemByName<MenuItem>("EditClear");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditPaste() const {
    return MenuItemByName<MenuItem>("EditPaste");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditCopy() const {
    return MenuItemByName<MenuItem>("EditCopy");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditCut() const {
    return MenuItemByName<MenuItem>("EditCut");
}

std::shared_ptr<MenuItem> MenuBar1Window::UntitledMenu1() const {
    return MenuItemByName<MenuItem>("UntitledMenu1");
}

std::shared_ptr<MenuItem> MenuBar1Window::EditUndo() const {
    return MenuItemByName<MenuItem>("EditUndo");
}

std::shared_ptr<MenuItem> MenuBar1Window::FileMenu() const {
    return MenuItemByName<MenuItem>("FileMenu");
}

std::shared_ptr<PrefsMenuItem> MenuBar1Window::AboutItem() const {
    return MenuItemByName<PrefsMenuItem>("AboutItem");
}

std::shared_ptr<QuitMenuItem> MenuBar1Window::FileQuit() const {
    return MenuItemByName<QuitMenuItem>("FileQuit");
}
