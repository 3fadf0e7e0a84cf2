#include "framework/Control.h"

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"
#include "framework/Window.h"

Control::Control(ControlKey, Window& owner) : owner_(owner.weak_from_this()) { CheckUIThread(); }

Control::~Control() = default;

void Control::Constructor() { CheckUIThread(); }

void Control::SetProperty(std::string_view name, const PropertyValue& value) {
    CheckUIThread();
    if (!ApplyProperty(name, value)) {
        throw RuntimeException("A control has no property " + std::string(name));
    }
}

bool Control::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Name") {
        name_ = std::get<std::string>(value);
        return true;
    }
    if (name == "Index") {
        index_ = std::get<std::int64_t>(value);
        return true;
    }
    // Placement in a control hierarchy or a data binding: nothing to do on this desktop.
    return name == "InitialParent" || name == "DataSource" || name == "DataField";
}
