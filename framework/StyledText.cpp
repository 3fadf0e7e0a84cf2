#include "framework/StyledText.h"

#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"

struct StyledText::DocumentGuard {
    QPointer<QTextDocument> document;
};

StyledText::StyledText(QTextDocument& document) : guard_(std::make_unique<DocumentGuard>()) {
    guard_->document = &document;
}

StyledText::~StyledText() = default;

QTextDocument& StyledText::document() const {
    if (guard_->document.isNull()) {
        throw NilObjectException("The styled text's text area has gone");
    }
    return *guard_->document;
}

void StyledText::Bold(std::int64_t start, std::int64_t length, bool value) {
    CheckUIThread();
    auto& text = document();
    // The document's last position is its closing paragraph mark.
    const std::int64_t end = text.characterCount() - 1;
    if (start < 0 || length < 0 || start > end || length > end - start) {
        throw RuntimeException("Styled text range out of bounds");
    }
    QTextCursor cursor(&text);
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(value ? QFont::Bold : QFont::Normal);
    cursor.mergeCharFormat(format);
}

bool StyledText::Bold(std::int64_t position) const {
    auto& text = document();
    const std::int64_t end = text.characterCount() - 1;
    if (position < 0 || position >= end) {
        throw RuntimeException("Styled text position out of bounds");
    }
    QTextCursor cursor(&text);
    // A cursor reports the format of the character before it.
    cursor.setPosition(static_cast<int>(position) + 1);
    return cursor.charFormat().fontWeight() >= QFont::Bold;
}
