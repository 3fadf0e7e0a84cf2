#pragma once

#include <memory>

#include "framework/RectControl.h"

class Picture;

// An area that shows its backdrop picture.
class Canvas : public RectControl {
  public:
    Canvas(ControlKey key, Window& owner);
    ~Canvas() override;

    // None leaves the area empty.
    void Backdrop(std::shared_ptr<Picture> picture);
    std::shared_ptr<Picture> Backdrop() const { return backdrop_; }

  protected:
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;
    void UpdateFocusPolicy() override;

  private:
    std::shared_ptr<Picture> backdrop_;
    bool allowFocus_ = false;
};
