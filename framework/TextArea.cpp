#include "framework/TextArea.h"

#include <QBuffer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextDocumentWriter>
#include <QTextEdit>

#include "framework/NumberJoiners.h"
#include "framework/StyledText.h"
#include "framework/TextStyle.h"
#include "framework/UiThread.h"

namespace {

// The area's Qt widget.
//
// What is pasted or dropped goes in as plain text, whatever formats the data holds and
// in whichever order its source lists them: Qt 6.4 reads data whose first format is
// Markdown as Markdown even where rich text is off, and crashes on data with no formats
// at all (it reads the first of none), which is what a paste, Shift+Insert or a middle
// click gets from a clipboard or selection whose owner has gone. Data without text
// inserts nothing.
//
// Its document holds the layout's number joiners (framework/NumberJoiners.h), which it
// keeps out of sight: out of what it copies and drags, and out of the caret's way.
class AreaEdit final : public QTextEdit {
  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source != nullptr && source->hasText();
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (canInsertFromMimeData(source)) {
            QMimeData plain;
            plain.setText(source->text());
            QTextEdit::insertFromMimeData(&plain);
        }
    }
    QMimeData* createMimeDataFromSelection() const override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Whether the character at the document position is a number joiner.
    bool JoinerAt(int position) const;
};

QMimeData* AreaEdit::createMimeDataFromSelection() const {
    QTextDocument copy;
    QTextCursor cursor(&copy);
    cursor.insertFragment(textCursor().selection());
    const QString text = copy.toPlainText();
    for (auto i = text.size(); i-- > 0;) {
        if (IsNumberJoinerAt(text, i)) {
            cursor.setPosition(static_cast<int>(i));
            cursor.setPosition(static_cast<int>(i) + 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    cursor.select(QTextCursor::Document);
    const QTextDocumentFragment selection = cursor.selection();
    // The formats of Qt's own copy, plain text first: Qt 6.4 pastes data whose first
    // format is Markdown as Markdown.
    auto* data = new QMimeData;
    data->setText(selection.toPlainText());
    data->setHtml(selection.toHtml());
    data->setData(QStringLiteral("text/markdown"), selection.toMarkdown().toUtf8());
    QBuffer odf;
    QTextDocumentWriter(&odf, "ODF").write(selection);
    data->setData(QStringLiteral("application/vnd.oasis.opendocument.text"), odf.data());
    return data;
}

void AreaEdit::keyPressEvent(QKeyEvent* event) {
    QTextCursor cursor = textCursor();
    const int from = cursor.position();
    const bool deletesBackward =
        (event->key() == Qt::Key_Backspace && !(event->modifiers() & ~Qt::ShiftModifier)) ||
        event->matches(QKeySequence::Backspace) || event->matches(QKeySequence::DeleteStartOfWord);
    if (deletesBackward && !isReadOnly() && !cursor.hasSelection() && from > 0 &&
        JoinerAt(from - 1)) {
        // The caret shows after the point, so the point goes, and its joiner with it.
        cursor.beginEditBlock();
        cursor.deletePreviousChar();
        QTextEdit::keyPressEvent(event);
        cursor.endEditBlock();
        return;
    }
    QTextEdit::keyPressEvent(event);
    // Qt's word moves and word deletes take a point as a word of its own, so the caret
    // can end up between a point and its joiner, where it would show inside the point:
    // it goes on past the joiner, or back before the point, the way it was going.
    cursor = textCursor();
    const int to = cursor.position();
    if (JoinerAt(to)) {
        cursor.setPosition(to >= from ? to + 1 : to - 1, cursor.hasSelection()
                                                             ? QTextCursor::KeepAnchor
                                                             : QTextCursor::MoveAnchor);
        setTextCursor(cursor);
    }
}

bool AreaEdit::JoinerAt(int position) const {
    const QTextDocument& text = *document();
    QChar previous = position > 0 ? text.characterAt(position - 1) : QChar();
    if (previous == QChar::ParagraphSeparator) {
        previous = QChar();
    }
    return IsNumberJoiner(previous, text.characterAt(position));
}

}  // namespace

TextArea::TextArea(ControlKey key, Window& owner) : RectControl(key, owner, new AreaEdit) {
    edit().setAcceptRichText(false);
}

TextArea::~TextArea() = default;

QTextEdit& TextArea::edit() const { return static_cast<QTextEdit&>(widget()); }

std::string TextArea::Text() const {
    // The document separates paragraphs with LF; the stored form separates lines with CR.
    auto text = WithoutNumberJoiners(edit().toPlainText());
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text.toStdString();
}

void TextArea::Text(const std::string& text) {
    CheckUIThread();
    // Every CR starts a paragraph of its own.
    edit().setPlainText(WithNumberJoiners(QString::fromStdString(text)));
}

std::shared_ptr<::StyledText> TextArea::StyledText() {
    CheckUIThread();
    return std::make_shared<::StyledText>(*edit().document());
}

void TextArea::RaiseOpen() {
    Open.Raise(*this);
    // What the Open handler did to the text is how the area opens, not an edit of the
    // user's: a new area has nothing to undo.
    edit().document()->clearUndoRedoStacks();
}

bool TextArea::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (ApplyTextStyle(edit(), name, value)) {
        return true;
    }
    if (name == "Text") {
        Text(std::get<std::string>(value));
    } else if (name == "HasBorder") {
        edit().setFrameShape(std::get<bool>(value) ? QFrame::StyledPanel : QFrame::NoFrame);
    } else if (name == "ReadOnly") {
        edit().setReadOnly(std::get<bool>(value));
    } else if (name == "Multiline") {
        edit().setLineWrapMode(std::get<bool>(value) ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    } else if (name == "HasHorizontalScrollbar") {
        edit().setHorizontalScrollBarPolicy(std::get<bool>(value) ? Qt::ScrollBarAsNeeded
                                                                  : Qt::ScrollBarAlwaysOff);
    } else if (name == "HasVerticalScrollbar") {
        edit().setVerticalScrollBarPolicy(std::get<bool>(value) ? Qt::ScrollBarAsNeeded
                                                                : Qt::ScrollBarAlwaysOff);
    } else if (name == "AllowTabs") {
        edit().setTabChangesFocus(!std::get<bool>(value));
    } else if (name == "Format" || name == "HideSelection" || name == "LineHeight" ||
               name == "LineSpacing" || name == "AllowStyledText" || name == "UnicodeMode" ||
               name == "AllowSpellChecking" || name == "MaximumCharactersAllowed" ||
               name == "ValidationMask") {
        // The text area keeps Qt's defaults for these; the program's one text area
        // asks for exactly those (no limit, no mask, single line spacing).
    } else {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}
