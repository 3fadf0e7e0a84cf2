#pragma once

#include <memory>
#include <string>

#include "framework/EventSlot.h"
#include "framework/RectControl.h"

class QTextEdit;
class StyledText;

// A scrollable, styled, multi-line text area (QTextEdit). Its text separates lines
// with CR, as it is stored.
class TextArea : public RectControl {
  public:
    TextArea(ControlKey key, Window& owner);
    ~TextArea() override;

    std::string Text() const;
    void Text(const std::string& text);
    std::shared_ptr<::StyledText> StyledText();

    // Raised once the window's construction is complete, after the record's text is set;
    // what its handler does to the text leaves nothing to undo.
    EventSlot<void(TextArea&)> Open;
    void RaiseOpen() override;

  protected:
    bool ApplyProperty(std::string_view name, const PropertyValue& value) override;

  private:
    QTextEdit& edit() const;
};
