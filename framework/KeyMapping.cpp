#include "framework/KeyMapping.h"

#include <QKeyEvent>

#include "framework/Keys.h"

namespace {

std::string Code(std::int64_t code) { return std::string(1, static_cast<char>(code)); }

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
    if (event.key() >= Qt::Key_F1 && event.key() <= Qt::Key_F35) {
        return Code(KeyCode::FunctionKey);
    }
    const auto text = event.text();
    if (text.isEmpty() || text.at(0).category() == QChar::Other_Control) {
        return std::nullopt;
    }
    return text.toStdString();
}
