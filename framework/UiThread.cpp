#include "framework/UiThread.h"

#include <QCoreApplication>
#include <QThread>

#include "framework/RuntimeException.h"

void CheckUIThread() {
    auto* app = QCoreApplication::instance();
    if (app == nullptr || QThread::currentThread() != app->thread()) {
        throw ThreadAccessingUIException("A user-interface operation was called off its thread");
    }
}
