#pragma once

#include <cstdint>
#include <memory>

class QTextDocument;

// The styles of a text area's text, addressed by character position. It may be kept
// longer than its text area: used after the area has gone, it raises
// NilObjectException.
class StyledText {
  public:
    explicit StyledText(QTextDocument& document);
    ~StyledText();
    StyledText(const StyledText&) = delete;
    StyledText& operator=(const StyledText&) = delete;

    // Sets or clears bold on `length` characters from `start` (0-based).
    void Bold(std::int64_t start, std::int64_t length, bool value);
    bool Bold(std::int64_t position) const;

  private:
    QTextDocument& document() const;

    struct DocumentGuard;
    std::unique_ptr<DocumentGuard> guard_;
};
