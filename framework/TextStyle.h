#pragma once

#include <string_view>

#include "framework/PropertyRecord.h"

class QWidget;

// The font, colour and alignment properties that text controls share. Returns false
// for a property that is none of them.
bool ApplyTextStyle(QWidget& widget, std::string_view name, const PropertyValue& value);

// Whether the property is one of the font's: FontName, FontSize, FontUnit, Bold, Italic
// or Underline.
bool IsFontProperty(std::string_view name);

// "System" is the desktop's sans-serif font, "Courier" a fixed-width font that falls
// back to the desktop's monospace one.
void SetFontFamily(QWidget& widget, const std::string& family);
