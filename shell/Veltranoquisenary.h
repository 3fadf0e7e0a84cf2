#pragma once

#include "framework/Application.h"

// The application object. It carries the version data and the menu bar that start-up
// gives it and handles no event and no menu command of its own.
class Veltranoquisenary : public Application {
  public:
    void Constructor() override;
};
