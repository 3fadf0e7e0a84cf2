#include "framework/StyledText.h"

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "framework/RuntimeException.h"
#include "framework/UiThread.h"

void StyledText::Bold(std::int64_t start, std::int64_t length, bool value) {
    CheckUIThread();
    // The document's last position is its closing paragraph mark.
    const std::int64_t end = document_.characterCount() - 1;
    if (start < 0 || length < 0 || start > end || length > end - start) {
        throw RuntimeException("Styled text range out of bounds");
    }
    QTextCursor cursor(&document_);
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(start + length), QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(value ? QFont::Bold : QFont::Normal);
    cursor.mergeCharFormat(format);
}

bool StyledText::Bold(std::int64_t position) const {
    const std::int64_t end = document_.characterCount() - 1;
    if (position < 0 || position >= end) {
        throw RuntimeException("Styled text position out of bounds");
    }
    QTextCursor cursor(const_cast<QTextDocument*>(&document_));
    // A cursor reports the format of the character before it.
    cursor.setPosition(static_cast<int>(position) + 1);
    return cursor.charFormat().fontWeight() >= QFont::Bold;
}
