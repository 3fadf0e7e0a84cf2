#pragma once

#include <cstdint>
#include <string>

#include "framework/EventSlot.h"
#include "framework/RectControl.h"

class QLineEdit;

// A one-line text field (QLineEdit).
class TextField : public RectControl {
  public:
    TextField(ControlKey key, Window& owner);
    ~TextField() override;

    std::string Text() const;
    // Writes the whole text, also past MaximumCharactersAllowed, which limits only
    // what the user types and pastes, and shows it whole: from its first character, in
    // a smaller font where the field's own is too wide for it, fitted again when the
    // field's size or font changes.
    void Text(const std::string& text);
    std::int64_t MaximumCharactersAllowed() const { return maximumCharacters_; }

    // Every key typed while the field has the focus, before it takes effect, as the
    // text of one character (see framework/Keys.h); so is each character that an input
    // method commits (a dead key, a compose sequence). True consumes the key: it then
    // has no effect at all. Key combinations with Ctrl, and Shift+Insert and
    // Shift+Delete (paste and cut), are commands: they are never delivered and never
    // type. Pasted text is not delivered.
    EventSlot<bool(TextField&, const std::string&)> KeyDown;

    // Called by the field's widget.
    bool RaiseKeyDown(const std::string& key);

  protected:
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;

  private:
    QLineEdit& edit() const;
    std::int64_t maximumCharacters_ = 0;  // 0: no limit
};
