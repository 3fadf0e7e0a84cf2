#include "framework/PaletteSharingStyle.h"

#include <QGuiApplication>
#include <QStyleOption>

PaletteSharingStyle::PaletteSharingStyle(const QString& key) : QProxyStyle(key) {}

// The first palette of its colours and set roles stands for every later one; none for
// the application's own, which the widgets without a palette of their own share already.
const QPalette* PaletteSharingStyle::SharedLike(const QPalette& palette) const {
    if (palette.isCopyOf(QGuiApplication::palette())) {
        return nullptr;
    }
    for (const auto& kept : palettes_) {
        if (kept == palette && kept.resolveMask() == palette.resolveMask()) {
            return &kept;
        }
    }
    if (palettes_.size() < kMaxPalettes) {
        palettes_.push_back(palette);
    }
    return nullptr;
}

template <class Draw>
void PaletteSharingStyle::WithSharedPalette(const QStyleOption* option, const Draw& draw) const {
    const QPalette* shared = option != nullptr ? SharedLike(option->palette) : nullptr;
    if (shared == nullptr) {
        draw();
        return;
    }
    // The caller made the option for this call; it gets its own palette back.
    auto& palette = const_cast<QStyleOption*>(option)->palette;
    const QPalette own = palette;
    palette = *shared;
    palette.setCurrentColorGroup(own.currentColorGroup());
    draw();
    palette = own;
}

void PaletteSharingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                        QPainter* painter, const QWidget* widget) const {
    WithSharedPalette(option,
                      [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
}

void PaletteSharingStyle::drawControl(ControlElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    WithSharedPalette(option, [&] { QProxyStyle::drawControl(element, option, painter, widget); });
}

void PaletteSharingStyle::drawComplexControl(ComplexControl control,
                                             const QStyleOptionComplex* option, QPainter* painter,
                                             const QWidget* widget) const {
    WithSharedPalette(option,
                      [&] { QProxyStyle::drawComplexControl(control, option, painter, widget); });
}
