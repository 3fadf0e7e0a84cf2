#include "framework/Canvas.h"

#include <QLabel>
#include <QPixmap>
#include <memory>

#include "framework/Picture.h"
#include "framework/UiThread.h"

namespace {

// Shows the backdrop at its natural size from the top-left corner. A label that holds
// a picture is what assistive technology reads as an image. It paints a pixmap copy of
// the picture, so it never has to reach back to a canvas or picture that may be gone.
class BackdropWidget : public QLabel {
  public:
    BackdropWidget() { setAlignment(Qt::AlignLeft | Qt::AlignTop); }

    void Picture(const ::Picture* picture) {
        if (picture != nullptr) {
            setPixmap(QPixmap::fromImage(picture->Image()));
        } else {
            clear();
        }
    }
};

}  // namespace

Canvas::Canvas(ControlKey key, Window& owner) : RectControl(key, owner, new BackdropWidget) {}

Canvas::~Canvas() = default;

void Canvas::Backdrop(std::shared_ptr<Picture> picture) {
    CheckUIThread();
    static_cast<BackdropWidget&>(widget()).Picture(picture.get());
    backdrop_ = std::move(picture);
}

void Canvas::UpdateFocusPolicy() {
    widget().setFocusPolicy(TabStop() && allowFocus_ ? Qt::StrongFocus : Qt::NoFocus);
}

bool Canvas::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "AllowFocus") {
        allowFocus_ = std::get<bool>(value);
        UpdateFocusPolicy();
        return true;
    }
    if (name == "AllowTabs") {
        return true;
    }
    return RectControl::ApplyProperty(name, value);
}
