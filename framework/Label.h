#pragma once

#include <string>

#include "framework/RectControl.h"

class QLabel;

// A static caption (QLabel).
class Label : public RectControl {
  public:
    Label(ControlKey key, Window& owner);
    ~Label() override;

    std::string Text() const;

  protected:
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;
    // A caption never takes the focus.
    void UpdateFocusPolicy() override;

  private:
    QLabel& label() const;
};
