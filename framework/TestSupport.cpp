#include "framework/TestSupport.h"

#include "framework/Dialogs.h"
#include "framework/Picture.h"
#include "framework/RuntimeState.h"

void ResetRuntimeForTesting() {
    DisposeAllWindows();
    auto& runtime = Runtime();
    runtime.application.reset();
    runtime.exceptionHelper = nullptr;
    runtime.quitting = false;
    runtime.reportedUnhandled = false;
    runtime.reportedMissingPicture = false;
    runtime.exitCode = 0;
    SetMsgBoxHandler({});
    SetBeepHandler({});
    Picture::SetResourcesFolder({});
}
