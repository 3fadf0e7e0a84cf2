#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "framework/Runtime.h"

class Application;
class QApplication;

// The runtime's process-wide state, shared by the framework's own files.
struct RuntimeState {
    std::unique_ptr<QApplication> qtApplication;
    std::vector<std::function<void()>> initializers;
    ExceptionHelper exceptionHelper = nullptr;
    double versionStamp = 0.0;
    std::shared_ptr<Application> application;
    bool quitting = false;
    bool reportedUnhandled = false;
    bool reportedMissingPicture = false;
    int exitCode = 0;
};

RuntimeState& Runtime();

// Closes every window without raising its events.
void DisposeAllWindows();
