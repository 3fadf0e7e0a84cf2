#pragma once

#include <QProxyStyle>
#include <cstddef>
#include <vector>

// The desktop's style, drawing every control whose palette holds the same colours with
// one and the same palette. Qt gives each widget that has a palette set, or sits in one
// that has, a palette of its own, and styles such as Fusion name the pixmaps they cache
// (button faces, scroll-bar arrows) after that palette's identity. Every window opened
// would otherwise add pixmaps that no later window can find, kept after it has closed.
class PaletteSharingStyle : public QProxyStyle {
  public:
    // Over the style of that key, as QStyleFactory names it.
    explicit PaletteSharingStyle(const QString& key);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

  private:
    template <class Draw>
    void WithSharedPalette(const QStyleOption* option, const Draw& draw) const;
    const QPalette* SharedLike(const QPalette& palette) const;

    // A program has a handful of colour schemes; past this many, palettes go unshared.
    static constexpr std::size_t kMaxPalettes = 32;
    mutable std::vector<QPalette> palettes_;
};
