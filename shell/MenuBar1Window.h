#pragma once

#include <memory>

#include "framework/MenuItem.h"
#include "framework/PrefsMenuItem.h"
#include "framework/QuitMenuItem.h"
#include "framework/Window.h"

// A window that shows the shared menu bar MenuBar1, with an accessor for each of its
// entries, found by name in the window's menu bar.
class MenuBar1Window : public Window {
  public:
    std::shared_ptr<MenuItem> InfoMenu() const;
    std::shared_ptr<MenuItem> InfoItem() const;
    std::shared_ptr<MenuItem> ControlItem() const;
    std::shared_ptr<MenuItem> EditMenu() const;
    std::shared_ptr<MenuItem> EditSelectAll() const;
    std::shared_ptr<MenuItem> UntitledMenu0() const;
    std::shared_ptr<MenuItem> EditClear() const;
    std::shared_ptr<MenuItem> EditPaste() const;
    std::shared_ptr<MenuItem> EditCopy() const;
    std::shared_ptr<MenuItem> EditCut() const;
    std::shared_ptr<MenuItem> UntitledMenu1() const;
    std::shared_ptr<MenuItem> EditUndo() const;
    std::shared_ptr<MenuItem> FileMenu() const;
    std::shared_ptr<PrefsMenuItem> AboutItem() const;
    std::shared_ptr<QuitMenuItem> FileQuit() const;
};
