#include "framework/TextField.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "framework/KeyMapping.h"
#include "framework/Runtime.h"
#include "framework/TextStyle.h"
#include "framework/UiThread.h"

namespace {

// Hands every key press to the field's KeyDown handler before Qt acts on it, Tab
// included (Qt would otherwise move the focus before the handler saw the key).
class FilteredLineEdit : public QLineEdit {
  public:
    explicit FilteredLineEdit(TextField& field) : field_(field) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            if (auto key = KeyTextFor(*static_cast<QKeyEvent*>(event))) {
                bool consumed = false;
                CallSystemCode([&] { consumed = field_.RaiseKeyDown(*key); });
                if (consumed) {
                    event->accept();
                    return true;
                }
            }
        }
        return QLineEdit::event(event);
    }

  private:
    TextField& field_;
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

// The widget only keeps a reference to the field, so it may be made before the field
// is complete.
TextField::TextField(Window& owner) : RectControl(owner, new FilteredLineEdit(*this)) {}

TextField::~TextField() = default;

QLineEdit& TextField::edit() const { return static_cast<QLineEdit&>(widget()); }

std::string TextField::Text() const { return edit().text().toStdString(); }

void TextField::Text(const std::string& text) {
    CheckUIThread();
    auto* limit = dynamic_cast<CharacterLimit*>(const_cast<QValidator*>(edit().validator()));
    if (limit != nullptr) limit->SetProgramWriting(true);
    edit().setText(QString::fromStdString(text));
    if (limit != nullptr) limit->SetProgramWriting(false);
}

bool TextField::RaiseKeyDown(const std::string& key) {
    // The handler may close the window and with it drop the last reference.
    auto keepAlive = shared_from_this();
    return KeyDown.Raise(*this, key);
}

bool TextField::ApplyProperty(std::string_view name, const PropertyValue& value) {
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
