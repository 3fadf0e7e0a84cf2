#include "framework/NumberJoiners.h"

#include <QTextBoundaryFinder>

namespace {

constexpr QChar kJoiner(0x200D);  // ZERO WIDTH JOINER

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

QString WithNumberJoiners(const QString& text) {
    // Qt's layout breaks lines where this finds breaks.
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    QString joined;
    joined.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0 && IsDigit(text[i]) &&
            (IsDigit(text[i - 1]) || text[i - 1] == QLatin1Char('.') ||
             text[i - 1] == QLatin1Char(','))) {
            breaks.setPosition(i);
            if (breaks.isAtBoundary()) {
                joined += kJoiner;
            }
        }
        joined += text[i];
    }
    return joined;
}

bool IsNumberJoiner(QChar previous, QChar character) {
    return character == kJoiner && previous.unicode() < 0x80;
}

bool IsNumberJoinerAt(const QString& text, qsizetype at) {
    return IsNumberJoiner(at > 0 ? text[at - 1] : QChar(), text[at]);
}

QString WithoutNumberJoiners(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsNumberJoinerAt(text, i)) {
            kept += text[i];
        }
    }
    return kept;
}
