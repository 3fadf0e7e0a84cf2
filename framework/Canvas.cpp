#include "framework/Canvas.h"

#include <QPainter>
#include <QWidget>

#include "framework/Picture.h"
#include "framework/UiThread.h"

namespace {

// Draws the canvas's backdrop at its natural size from the top-left corner.
class BackdropWidget : public QWidget {
  public:
    explicit BackdropWidget(const Canvas& canvas) : canvas_(canvas) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        if (auto picture = canvas_.Backdrop()) {
            QPainter painter(this);
            painter.drawImage(0, 0, picture->Image());
        }
    }

  private:
    const Canvas& canvas_;
};

}  // namespace

Canvas::Canvas(Window& owner) : RectControl(owner, new BackdropWidget(*this)) {
    UpdateFocusPolicy();
}

Canvas::~Canvas() = default;

void Canvas::Backdrop(std::shared_ptr<Picture> picture) {
    CheckUIThread();
    backdrop_ = std::move(picture);
    widget().update();
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
