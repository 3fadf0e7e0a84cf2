#include "framework/TextField.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QValidator>
#include <QtMath>
#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

#include "framework/ControlLink.h"
#include "framework/KeyMapping.h"
#include "framework/Runtime.h"
#include "framework/TextStyle.h"
#include "framework/UiThread.h"

namespace {

// Hands every character that typing would insert, and every editing key, to the
// field's KeyDown handler before Qt acts on it, whatever route it takes: a key press
// (Tab included, which Qt would otherwise use to move the focus before the handler
// saw it) or text that an input method commits, as a dead key or a compose sequence
// does. Pasting is not typing and is not filtered.
class FilteredLineEdit : public QLineEdit, public ControlLink {
  public:
    FilteredLineEdit() {
        // The user's editing makes the text the user's: it is never shrunk, so what the
        // user types scrolls as in any field, but a shrunk text that the user shortens
        // gets the field's own font back as soon as it fits in it.
        connect(this, &QLineEdit::textEdited, this, [this] {
            written_ = false;
            Fit();
        });
    }

    // Shows text that the program wrote whole, from its first character, as a native
    // field does: in the field's own font, or where that is too wide for the field, in
    // the largest smaller size that fits, for as long as the text stays. Qt would scroll
    // to the caret at the end and cut off the start, and "2.750001e-05" would read as
    // "750001e-05".
    void ShowWhole() {
        written_ = true;
        Fit();
        setCursorPosition(0);
    }

    // A font property changes the field's own font, never the smaller copy that a written
    // text is shown in, and the text is fitted again in the new font.
    void ApplyFontProperty(std::string_view name, const PropertyValue& value) {
        if (ownFont_) {
            setFont(*std::exchange(ownFont_, std::nullopt));
        }
        ApplyTextStyle(*this, name, value);
        Fit();
    }

  protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return QLineEdit::event(event);
        }
        auto& key = *static_cast<QKeyEvent*>(event);
        if (const auto command = EditingCommandFor(key)) {
            // Shift+Insert, Ctrl+Insert and Shift+Delete take the route of Ctrl+V, C and
            // X, which every platform theme binds; a paste still meets the character limit.
            return ForwardAs(key, *command);
        }
        if (key.modifiers() & Qt::ControlModifier) {
            // A command, never typing: Qt would still insert the text of, say, Ctrl+Alt+x.
            return ForwardWithText(key, QString());
        }
        const auto keyText = KeyTextFor(key);
        if (!keyText) {
            return QLineEdit::event(event);
        }
        if (*keyText != key.text().toStdString()) {
            // An editing or navigation key, delivered as its code.
            if (!LetThrough(*keyText)) {
                event->accept();
                return true;
            }
            return QLineEdit::event(event);
        }
        // Typed text; should one key bring several characters, each is judged alone.
        const auto accepted = AcceptedCharacters(key.text());
        if (!accepted) {
            event->accept();
            return true;
        }
        return *accepted == key.text() ? QLineEdit::event(event) : ForwardWithText(key, *accepted);
    }

    // Qt keeps a field's selection when a menu opened with the mouse takes the focus,
    // but drops it when the menu bar takes it for a menu opened from the keyboard (Alt),
    // and the Edit menu's commands act on that selection: both must find it.
    void focusOutEvent(QFocusEvent* event) override {
        if (event->reason() != Qt::MenuBarFocusReason) {
            QLineEdit::focusOutEvent(event);
            return;
        }
        QFocusEvent asForAPopup(event->type(), Qt::PopupFocusReason);
        QLineEdit::focusOutEvent(&asForAPopup);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        if (event->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(event);
            return;
        }
        const auto accepted = AcceptedCharacters(event->commitString());
        if (!accepted && Released()) {
            event->accept();
            return;
        }
        // The preedit text is only shown while composing; the committed text is what
        // would be typed into the field.
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(accepted.value_or(QString()), event->replacementStart(),
                                 event->replacementLength());
        QLineEdit::inputMethodEvent(&filtered);
        event->setAccepted(filtered.isAccepted());
    }

  private:
    // True when the key goes on: the handler let it through and the field is still there.
    bool LetThrough(const std::string& key) {
        bool consumed = true;
        if (auto field = Linked<TextField>()) {
            CallSystemCode([&] { consumed = field->RaiseKeyDown(key); });
        }
        return !consumed && !Released();
    }

    // The characters of the text that KeyDown lets through, or none when it lets none
    // through. Once the field has been released the rest is not judged.
    std::optional<QString> AcceptedCharacters(const QString& text) {
        QString accepted;
        for (const char32_t character : text.toUcs4()) {
            const auto one = QString::fromUcs4(&character, 1);
            if (LetThrough(one.toStdString())) {
                accepted += one;
            } else if (Released()) {
                break;
            }
        }
        if (accepted.isEmpty()) {
            return std::nullopt;
        }
        return accepted;
    }

    bool ForwardAs(QKeyEvent& key, QKeyCombination command) {
        QKeyEvent copy(key.type(), command.key(), command.keyboardModifiers(), QString(),
                       key.isAutoRepeat(), static_cast<quint16>(key.count()));
        return Forward(key, copy);
    }

    bool ForwardWithText(QKeyEvent& key, const QString& text) {
        QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.nativeScanCode(),
                       key.nativeVirtualKey(), key.nativeModifiers(), text, key.isAutoRepeat(),
                       static_cast<quint16>(key.count()), key.device());
        return Forward(key, copy);
    }

    // Qt handles the copy in the key's place; the key is accepted as the copy was.
    bool Forward(QKeyEvent& key, QKeyEvent& copy) {
        const bool result = QLineEdit::event(&copy);
        key.setAccepted(copy.isAccepted());
        return result;
    }

    // Whether the text fits between the field's margins, measured as QLineEdit lays it
    // out: its contents rectangle less two pixels each side, and room for the caret and
    // for glyphs that reach past their advance.
    bool Fits(const QString& text, const QFont& font) const {
        constexpr int kLineEditMargin = 2;
        QStyleOptionFrame option;
        initStyleOption(&option);
        const auto room = style()
                              ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                              .marginsRemoved(textMargins())
                              .width() -
                          2 * kLineEditMargin;
        const QFontMetrics metrics(font);
        const int leftBearing = std::max(0, -metrics.minLeftBearing());
        const int rightBearing = std::max(0, -metrics.minRightBearing());
        const int used =
            qCeil(QFontMetricsF(font).horizontalAdvance(text)) + 1 + rightBearing + 2 * leftBearing;
        return used <= room;
    }

    // One step smaller, down to the smallest size still worth reading.
    static bool Smaller(QFont& font) {
        constexpr int kSmallestPixels = 6;
        if (font.pixelSize() > 0) {
            if (font.pixelSize() <= kSmallestPixels) return false;
            font.setPixelSize(font.pixelSize() - 1);
            return true;
        }
        if (font.pointSizeF() <= kSmallestPixels) return false;
        font.setPointSizeF(font.pointSizeF() - 0.5);
        return true;
    }

    // A wider or narrower field fits its text again.
    void resizeEvent(QResizeEvent* event) override {
        QLineEdit::resizeEvent(event);
        Fit();
    }

    // Shows a written text in the field's own font or the largest smaller size of it that
    // fits, and a text the user has edited in the own font once it fits in it.
    void Fit() {
        const QFont own = ownFont_.value_or(font());
        QFont font = own;
        if (written_) {
            while (!Fits(text(), font) && Smaller(font)) {
            }
        } else if (!Fits(text(), own)) {
            return;
        }
        ownFont_ = font == own ? std::nullopt : std::optional(own);
        if (font != this->font()) setFont(font);
    }

    // The field's own font, the one its properties give it, while the field shows a
    // smaller copy of it; otherwise the font shown is its own.
    std::optional<QFont> ownFont_;
    bool written_ = false;  // the text is the program's, not edited by the user since
};

// Limits what the user types and pastes. Text written by the program is not checked,
// so a field can show more than the user could type; the user can still shorten it.
class CharacterLimit : public QValidator {
  public:
    CharacterLimit(QLineEdit& edit, qsizetype limit)
        : QValidator(&edit), limit_(limit), acceptedLength_(edit.text().size()) {
        // The field already holds the edited text while it asks; remember the last one.
        connect(&edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { acceptedLength_ = text.size(); });
    }

    State validate(QString& input, int&) const override {
        const bool tooLong = input.size() > limit_ && input.size() > acceptedLength_;
        return tooLong && !programWriting_ ? Invalid : Acceptable;
    }

    // Qt validates text that the program sets too; that text is never limited.
    void SetProgramWriting(bool writing) { programWriting_ = writing; }

  private:
    bool programWriting_ = false;
    qsizetype limit_;
    qsizetype acceptedLength_;
};

}  // namespace

TextField::TextField(ControlKey key, Window& owner)
    : RectControl(key, owner, new FilteredLineEdit) {}

TextField::~TextField() = default;

QLineEdit& TextField::edit() const { return static_cast<QLineEdit&>(widget()); }

std::string TextField::Text() const { return edit().text().toStdString(); }

void TextField::Text(const std::string& text) {
    CheckUIThread();
    auto* limit = dynamic_cast<CharacterLimit*>(const_cast<QValidator*>(edit().validator()));
    if (limit != nullptr) limit->SetProgramWriting(true);
    edit().setText(QString::fromStdString(text));
    if (limit != nullptr) limit->SetProgramWriting(false);
    static_cast<FilteredLineEdit&>(edit()).ShowWhole();
}

bool TextField::RaiseKeyDown(const std::string& key) {
    // The handler may close the window and with it drop the last reference.
    auto keepAlive = shared_from_this();
    return KeyDown.Raise(*this, key);
}

bool TextField::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (IsFontProperty(name)) {
        static_cast<FilteredLineEdit&>(edit()).ApplyFontProperty(name, value);
        return true;
    }
    // Colours and alignment leave the font, and so the fit, as they are.
    if (ApplyTextStyle(edit(), name, value)) {
        return true;
    }
    if (name == "Text") {
        Text(std::get<std::string>(value));
    } else if (name == "MaximumCharactersAllowed") {
        maximumCharacters_ = std::get<std::int64_t>(value);
        delete edit().validator();
        if (maximumCharacters_ > 0) {
            edit().setValidator(new CharacterLimit(edit(), maximumCharacters_));
        }
    } else if (name == "HasBorder") {
        edit().setFrame(std::get<bool>(value));
    } else if (name == "Password") {
        edit().setEchoMode(std::get<bool>(value) ? QLineEdit::Password : QLineEdit::Normal);
    } else if (name == "Hint") {
        edit().setPlaceholderText(QString::fromStdString(std::get<std::string>(value)));
    } else if (name == "ReadOnly") {
        edit().setReadOnly(std::get<bool>(value));
    } else if (name == "Format" || name == "ValidationMask" || name == "AllowTabs" ||
               name == "AllowSpellChecking") {
        // Display formats, input masks, tab characters and spell checking: none of the
        // fields uses them.
    } else {
        return RectControl::ApplyProperty(name, value);
    }
    return true;
}
