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

// Keys of a PC keyboard that neither type nor edit, which a field refuses as it
// refuses a letter. Every other key that types nothing is left to the desktop or Qt.
bool IsRefused(int key) {
    switch (key) {
        case Qt::Key_Insert:
        case Qt::Key_Pause:
        case Qt::Key_Print:
        case Qt::Key_SysReq:
        case Qt::Key_ScrollLock:
        case Qt::Key_Clear:  // keypad 5 with Num Lock off
            return true;
        default:
            return key >= Qt::Key_F1 && key <= Qt::Key_F35;
    }
}

// Keys that the desktop acts on (volume, media, brightness, power, launching programs:
// the block that Qt itself starts as ignored), and the Menu key, with which Qt opens
// the focused widget's context menu.
bool IsForTheDesktop(int key) {
    return key == Qt::Key_Menu || (key >= Qt::Key_Back && key <= Qt::Key_MediaLast);
}

}  // namespace

std::optional<QKeyCombination> EditingCommandFor(const QKeyEvent& event) {
    // The keypad's Insert and Delete (Num Lock off) are the same commands.
    const auto modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (event.key() == Qt::Key_Insert && modifiers == Qt::ShiftModifier) {
        return QKeyCombination(Qt::ControlModifier, Qt::Key_V);
    }
    if (event.key() == Qt::Key_Insert && modifiers == Qt::ControlModifier) {
        return QKeyCombination(Qt::ControlModifier, Qt::Key_C);
    }
    if (event.key() == Qt::Key_Delete && modifiers == Qt::ShiftModifier) {
        return QKeyCombination(Qt::ControlModifier, Qt::Key_X);
    }
    return std::nullopt;
}

std::optional<std::string> KeyTextFor(const QKeyEvent& event) {
    // Ctrl is the command modifier. Super (Meta) and Alt are not: their keys still
    // type, so they must reach the filters like any other key.
    if ((event.modifiers() & Qt::ControlModifier) || EditingCommandFor(event)) {
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
    if (IsRefused(event.key())) {
        return Code(KeyCode::RefusedKey);
    }
    if (OnlyModifiesTheNextKey(event.key()) || IsForTheDesktop(event.key())) {
        return std::nullopt;
    }
    const auto text = event.text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) {
        return std::nullopt;
    }
    return text.toStdString();
}
