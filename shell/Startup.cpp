#include "shell/Startup.h"

#include "framework/Application.h"
#include "framework/Cast.h"
#include "framework/Runtime.h"
#include "framework/RuntimeException.h"
#include "shell/AboutWnd.h"
#include "shell/MenuBar1.h"
#include "shell/Veltranoquisenary.h"

std::shared_ptr<Application> VeltranoquisenaryClass() {
    return std::make_shared<Veltranoquisenary>();
}

int RunProgram(ApplicationClass applicationClass) {
    std::exception_ptr pending;
    try {
        RuntimeInit();
        RuntimePerformInitializers();
    } catch (...) {
        pending = std::current_exception();
    }
    try {
        Main(applicationClass, pending);
    } catch (...) {
        // Only the report itself can have raised this; nothing is left to take it,
        // and the finalisers and the exit must still run.
    }
    RuntimePerformFinalizers();
    return RuntimeExit();
}

void Main(ApplicationClass applicationClass, std::exception_ptr pending) {
    if (!pending) {
        try {
            RuntimeSetExceptionHelper(CallFunctionWithExceptionHandling);
            RuntimeSetVersionStamp(ToolchainRelease());
            EarlyStartup(applicationClass);
            RunFrameworkInitialization(LateStartup);
            RuntimeRun();
        } catch (...) {
            pending = std::current_exception();
        }
    }
    if (pending) {
        UnhandledException(pending);
    }
}

void EarlyStartup(ApplicationClass applicationClass) {
    RuntimeInitExternalClasses();
    InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance(applicationClass);
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {}

void NewAppInstance(ApplicationClass applicationClass) {
    auto application = Cast<Application>(applicationClass());
    application->Constructor();
    application->_x_SetVersionData(1, 0, 0, 0, 3, "", "", "");
    application->MenuBar(MenuBar1());
    RuntimeRegisterAppObject(application);
}

void ApplicationAddMenuHandlers() {}

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView() { AboutWnd(); }

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* value) {
    try {
        function(value);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

double ToolchainRelease() {
#if defined(__clang__)
    return __clang_major__ + __clang_minor__ / 10.0;
#else
    return __GNUC__ + __GNUC_MINOR__ / 10.0;
#endif
}
