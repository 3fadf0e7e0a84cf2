#include "framework/TextStyle.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTextEdit>
#include <QWidget>

namespace {

// The records' sizes were laid out for a 72-dpi desktop: a font size is read as that
// many pixels, so captions fit the space they were given at any screen resolution.
constexpr int kFontUnitDefault = 0;
constexpr int kFontUnitPoint = 2;

struct FontSize {
    float size = 0.0f;
    int unit = kFontUnitDefault;
};

// Size and unit arrive as two entries; both are kept with the widget, so the font is
// right whichever comes first.
FontSize SizeOf(const QWidget& widget) {
    const auto size = widget.property("vqFontSize");
    const auto unit = widget.property("vqFontUnit");
    return {size.isValid() ? size.toFloat() : 0.0f,
            unit.isValid() ? unit.toInt() : kFontUnitDefault};
}

Qt::Alignment HorizontalAlignment(std::int64_t alignment) {
    switch (alignment) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

QColor ToQColor(const Color& color) {
    return QColor(color.red, color.green, color.blue, 255 - color.alpha);
}

// Only a colour that the widget does not draw with already. A palette set to the colours
// it had is still a palette of its own, and the style caches the pixmaps it draws for each
// palette apart: every window opened would leave some behind. Disabled colours stay the
// style's unless the record gives another colour.
void SetColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
    QPalette palette = widget.palette();
    if (palette.color(QPalette::Active, role) == color &&
        palette.color(QPalette::Inactive, role) == color) {
        return;
    }
    palette.setColor(role, color);
    widget.setPalette(palette);
}

// Puts the font back to the size that the record gave, if it gave one.
void ApplyRecordedFontSize(QWidget& widget) {
    const auto size = SizeOf(widget);
    if (size.size <= 0.0f) {
        return;
    }
    QFont font = widget.font();
    if (size.unit == kFontUnitPoint) {
        font.setPointSizeF(size.size);
    } else {
        font.setPixelSize(static_cast<int>(size.size + 0.5f));
    }
    widget.setFont(font);
}

}  // namespace

void SetFontFamily(QWidget& widget, const std::string& family) {
    QFont font = widget.font();
    if (family == "System" || family.empty()) {
        font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                          QApplication::font().family()});
    } else if (family == "Courier") {
        const auto fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        font.setFamilies({QStringLiteral("Courier"), QStringLiteral("Liberation Mono"),
                          QStringLiteral("DejaVu Sans Mono"), fixed});
        font.setStyleHint(QFont::TypeWriter);
    } else {
        font.setFamilies({QString::fromStdString(family)});
    }
    widget.setFont(font);
    ApplyRecordedFontSize(widget);
}

bool IsFontProperty(std::string_view name) {
    return name == "FontName" || name == "FontSize" || name == "FontUnit" || name == "Bold" ||
           name == "Italic" || name == "Underline";
}

bool ApplyTextStyle(QWidget& widget, std::string_view name, const PropertyValue& value) {
    if (name == "FontName") {
        SetFontFamily(widget, std::get<std::string>(value));
    } else if (name == "FontSize") {
        widget.setProperty("vqFontSize", std::get<float>(value));
        ApplyRecordedFontSize(widget);
    } else if (name == "FontUnit") {
        widget.setProperty("vqFontUnit", static_cast<int>(std::get<std::uint8_t>(value)));
        ApplyRecordedFontSize(widget);
    } else if (name == "Bold" || name == "Italic" || name == "Underline") {
        QFont font = widget.font();
        const bool on = std::get<bool>(value);
        if (name == "Bold") font.setBold(on);
        if (name == "Italic") font.setItalic(on);
        if (name == "Underline") font.setUnderline(on);
        widget.setFont(font);
    } else if (name == "TextColor") {
        SetColor(widget, QPalette::WindowText, ToQColor(std::get<Color>(value)));
        SetColor(widget, QPalette::Text, ToQColor(std::get<Color>(value)));
    } else if (name == "BackgroundColor") {
        SetColor(widget, QPalette::Base, ToQColor(std::get<Color>(value)));
    } else if (name == "TextAlignment") {
        const auto horizontal = HorizontalAlignment(std::get<std::int64_t>(value));
        if (auto* line = qobject_cast<QLineEdit*>(&widget)) {
            line->setAlignment(horizontal | Qt::AlignVCenter);
        } else if (auto* label = qobject_cast<QLabel*>(&widget)) {
            label->setAlignment(horizontal | Qt::AlignVCenter);
        } else if (auto* area = qobject_cast<QTextEdit*>(&widget)) {
            area->setAlignment(horizontal);
        }
    } else {
        return false;
    }
    return true;
}
