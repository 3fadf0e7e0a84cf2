#pragma once

#include <functional>
#include <memory>

#include "framework/MenuBar.h"

// The one menu bar of the program: File, Edit and Window menus. The application and
// the calculator and help windows all install the same object, reached through the
// getter MenuBar1() below.
class MenuBar1 : public MenuBar {
  public:
    // Builds the whole tree; the inherited constructor has nothing to add to it.
    void Constructor() override;
    virtual void Untitled0();  // File: Quit, About
    virtual void Untitled1();  // Edit: Undo, Cut, Copy, Paste, Delete, Select All
    virtual void Untitled2();  // Window: Control, Info

    // The shared object, set once its tree is complete and kept for the process.
    static std::shared_ptr<MenuBar1> _implicitInstance;
};

// The shared menu bar, built at the first call.
std::shared_ptr<class MenuBar1> MenuBar1();

// The getter's steps with the making of the new object left to the caller: returns
// the shared object, or makes one, constructs it and keeps it. An exception while it
// is built keeps nothing, so the next call builds afresh.
std::shared_ptr<class MenuBar1> MenuBar1Instance(
    const std::function<std::shared_ptr<class MenuBar1>()>& make);
