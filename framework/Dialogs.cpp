#include "framework/Dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

#include "framework/UiThread.h"

namespace {

MsgBoxHandler& MsgBoxSeam() {
    static MsgBoxHandler handler;
    return handler;
}

BeepHandler& BeepSeam() {
    static BeepHandler handler;
    return handler;
}

}  // namespace

void MsgBox(const std::string& message) {
    CheckUIThread();
    if (MsgBoxSeam()) {
        MsgBoxSeam()(message);
        return;
    }
    // The message ends in a line end of its own; the box needs no empty last line.
    auto shown = QString::fromStdString(message);
    while (shown.endsWith(QLatin1Char('\n'))) {
        shown.chop(1);
    }
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shown,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void Beep() {
    CheckUIThread();
    if (BeepSeam()) {
        BeepSeam()();
        return;
    }
    QApplication::beep();
}

MsgBoxHandler SetMsgBoxHandler(MsgBoxHandler handler) {
    return std::exchange(MsgBoxSeam(), std::move(handler));
}

BeepHandler SetBeepHandler(BeepHandler handler) {
    return std::exchange(BeepSeam(), std::move(handler));
}
