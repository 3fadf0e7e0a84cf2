#include "framework/StyledText.h"

#include <QPointer>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

#include "framework/NumberJoiners.h"
#include "framework/RuntimeException.h"
#include "framework/UiThread.h"

struct StyledText::DocumentGuard {
    QPointer<QTextDocument> document;
};

namespace {

// A text area's document also holds the layout's number joiners, which its text, and
// so a styled text's positions, leave out. The document position of each of the text's
// positions, its end included.
std::vector<int> DocumentPositions(const QTextDocument& document) {
    const QString text = document.toPlainText();
    std::vector<int> positions;
    positions.reserve(static_cast<std::size_t>(text.size()) + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsNumberJoinerAt(text, i)) {
            positions.push_back(static_cast<int>(i));
        }
    }
    positions.push_back(static_cast<int>(text.size()));
    return positions;
}

}  // namespace

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
    const auto positions = DocumentPositions(text);
    const auto end = static_cast<std::int64_t>(positions.size()) - 1;
    if (start < 0 || length < 0 || start > end || length > end - start) {
        throw RuntimeException("Styled text range out of bounds");
    }
    QTextCursor cursor(&text);
    cursor.setPosition(positions[static_cast<std::size_t>(start)]);
    cursor.setPosition(positions[static_cast<std::size_t>(start + length)],
                       QTextCursor::KeepAnchor);
    QTextCharFormat format;
    format.setFontWeight(value ? QFont::Bold : QFont::Normal);
    cursor.mergeCharFormat(format);
}

bool StyledText::Bold(std::int64_t position) const {
    auto& text = document();
    const auto positions = DocumentPositions(text);
    const auto end = static_cast<std::int64_t>(positions.size()) - 1;
    if (position < 0 || position >= end) {
        throw RuntimeException("Styled text position out of bounds");
    }
    QTextCursor cursor(&text);
    // A cursor reports the format of the character before it.
    cursor.setPosition(positions[static_cast<std::size_t>(position)] + 1);
    return cursor.charFormat().fontWeight() >= QFont::Bold;
}
