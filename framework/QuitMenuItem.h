#pragma once

#include "framework/MenuItem.h"

// A menu item whose default action quits the application with exit status 0.
class QuitMenuItem : public MenuItem {
  public:
    void DefaultAction() override;
    bool DefaultActionApplies() const override { return true; }
};
