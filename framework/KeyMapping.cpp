#include "framework/KeyMapping.h"

#include <QKeyEvent>

#include "framework/Keys.h"

namespace {

std::string Code(std::int64_t code) { return std::string(1, static_cast<char>(code)); }

// Keys that only change what the next key does, or that begin a composed character
// whose result arrives as text of its own: pressing one is not a key of its own.
bool OnlyModifiesTheNextKey(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Meta:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_Mode_switch:
        case Qt::Key_Multi_key:
            return true;
        default:
            return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
    }
}

}  // namespace

std::optional<std::string> KeyTextFor(const QKeyEvent& event) {
    // Ctrl is the command modifier. Super (Meta) and Alt are not: their keys still
    // type, so they must reach the filters like any other key.
    if (event.modifiers() & Qt::ControlModifier) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Backspace:
            return Code(KeyCode::Backspace);
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return Code(KeyCode::Tab);
        case Qt::Key_Left:
            return Code(KeyCode::Left);
        case Qt::Key_Right:
            return Code(KeyCode::Right);
        case Qt::Key_Up:
            return Code(KeyCode::Up);
        case Qt::Key_Down:
            return Code(KeyCode::Down);
        case Qt::Key_Delete:
            return Code(KeyCode::Delete);
        case Qt::Key_Return:
            return Code(KeyCode::Return);
        case Qt::Key_Enter:
            return Code(KeyCode::Enter);
        case Qt::Key_Escape:
            return Code(KeyCode::Escape);
        case Qt::Key_Home:
            return Code(KeyCode::Home);
        case Qt::Key_End:
            return Code(KeyCode::End);
        case Qt::Key_PageUp:
            return Code(KeyCode::PageUp);
        case Qt::Key_PageDown:
            return Code(KeyCode::PageDown);
        default:
            break;
    }
    if (OnlyModifiesTheNextKey(event.key())) {
        return std::nullopt;
    }
    const auto text = event.text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) {
        // Function keys, Insert, Pause and every other key that types nothing.
        return Code(KeyCode::FunctionKey);
    }
    return text.toStdString();
}
