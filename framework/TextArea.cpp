#include "framework/TextArea.h"

#include <QMimeData>
#include <QTextDocument>
#include <QTextEdit>

#include "framework/StyledText.h"
#include "framework/TextStyle.h"
#include "framework/UiThread.h"

namespace {

// The area's Qt widget. Qt 6.4 crashes when it is handed data with no formats at all
// to insert (it reads the first of none), which is what a paste, Shift+Insert or a
// middle click gets from a clipboard or selection whose owner has gone: this one
// inserts only data that holds text, so that pasting nothing does nothing.
class AreaEdit final : public QTextEdit {
  protected:
    void insertFromMimeData(const QMimeData* source) override {
        if (source != nullptr && source->hasText()) {
            QTextEdit::insertFromMimeData(source);
        }
    }
};

}  // namespace

TextArea::TextArea(Window& owner) : RectControl(owner, new AreaEdit) {
    edit().setAcceptRichText(false);
}

TextArea::~TextArea() = default;

QTextEdit& TextArea::edit() const { return static_cast<QTextEdit&>(widget()); }

std::string TextArea::Text() const {
    // The document separates paragraphs with LF; the stored form separates lines with CR.
    auto text = edit().toPlainText();
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text.toStdString();
}

void TextArea::Text(const std::string& text) {
    CheckUIThread();
    // Every CR starts a paragraph of its own.
    edit().setPlainText(QString::fromStdString(text));
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
