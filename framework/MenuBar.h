#pragma once

#include "framework/MenuItem.h"

// The root of a menu tree; its children are the top-level menus.
class MenuBar : public MenuItem {};
