#pragma once

#include "framework/MenuItem.h"

// A menu item for the application's own settings; by default it does nothing.
class PrefsMenuItem : public MenuItem {
  public:
    void DefaultAction() override {}
    bool DefaultActionApplies() const override { return false; }
};
