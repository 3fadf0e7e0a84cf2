#include "framework/Label.h"

#include <QLabel>

#include "framework/TextStyle.h"

Label::Label(ControlKey key, Window& owner) : RectControl(key, owner, new QLabel) {}
Label::~Label() = default;

QLabel& Label::label() const { return static_cast<QLabel&>(widget()); }

std::string Label::Text() const { return label().text().toStdString(); }

bool Label::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (ApplyTextStyle(label(), name, value)) {
        return true;
    }
    if (name == "Text") {
        label().setText(QString::fromStdString(std::get<std::string>(value)));
        LayoutChanged();
    } else if (name == "Multiline") {
        label().setWordWrap(std::get<bool>(value));
    } else if (name == "Selectable") {
        label().setTextInteractionFlags(std::get<bool>(value) ? Qt::TextSelectableByMouse
                                                              : Qt::NoTextInteraction);
    } else {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}

void Label::UpdateFocusPolicy() { widget().setFocusPolicy(Qt::NoFocus); }
