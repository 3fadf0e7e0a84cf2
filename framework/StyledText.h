#pragma once

#include <cstdint>

class QTextDocument;

// The styles of a text area's text, addressed by character position.
class StyledText {
  public:
    explicit StyledText(QTextDocument& document) : document_(document) {}

    // Sets or clears bold on `length` characters from `start` (0-based).
    void Bold(std::int64_t start, std::int64_t length, bool value);
    bool Bold(std::int64_t position) const;

  private:
    QTextDocument& document_;
};
