#pragma once

#include <QChar>
#include <QString>

// Qt 6.4 breaks a line between the point and the digits of a number written without
// its leading zero (".00001"), where Unicode's line breaking keeps them together. A
// text area keeps such numbers whole with a zero width joiner after the point: the
// joiner is invisible and belongs to the point's character, so that the caret and
// selections take the two as one. The joiners are the layout's alone: the area's
// text, its styled text's positions and what it copies leave them out.

// The text with a joiner wherever a line could otherwise break inside a number.
QString WithNumberJoiners(const QString& text);

// Whether `character`, after `previous`, is such a joiner. A zero width joiner only
// means something between letters, marks and symbols beyond ASCII, so one after an
// ASCII character (or a paragraph's start, with a null `previous`) is the layout's,
// even where the point it followed has gone.
bool IsNumberJoiner(QChar previous, QChar character);
// The same for the character at `at` of the text.
bool IsNumberJoinerAt(const QString& text, qsizetype at);

QString WithoutNumberJoiners(const QString& text);
