#include "framework/Runtime.h"

#include <QApplication>
#include <QCoreApplication>
#include <iostream>
#include <typeinfo>

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/PushButton.h"
#include "framework/RuntimeException.h"
#include "framework/RuntimeState.h"
#include "framework/UiThread.h"

RuntimeState& Runtime() {
    // Never destroyed: Qt may end the process with exit() (it does when the display goes
    // away), and static destructors then run after Qt's own; destroying the application
    // or a widget there would crash. A normal end tears Qt down in the finalisers.
    static auto* state = new RuntimeState;
    return *state;
}

void RuntimeInit() {
    auto& runtime = Runtime();
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    // The program takes no arguments; Qt still wants a program name.
    static int argc = 1;
    static char name[] = "veltranoquisenary";
    static char* argv[] = {name, nullptr};
    runtime.qtApplication = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltranoquisenary"));
    QApplication::setApplicationDisplayName(QStringLiteral("Veltranoquisenary"));
    // Wayland matches windows to the installed desktop entry by this name.
    QApplication::setDesktopFileName(QStringLiteral("org.veltranoquisenary.Veltranoquisenary"));
    // The framework decides when the application ends: hidden windows count too.
    QApplication::setQuitOnLastWindowClosed(false);
    DescribePushButtonsToAssistiveTechnology();
}

void RuntimeAddInitializer(std::function<void()> initializer) {
    Runtime().initializers.push_back(std::move(initializer));
}

void RuntimePerformInitializers() {
    for (const auto& initializer : Runtime().initializers) {
        initializer();
    }
}

void RuntimePerformFinalizers() {
    DisposeAllWindows();
    Runtime().application.reset();
    // Qt must go before the process's static objects do.
    Runtime().qtApplication.reset();
}

int RuntimeExit() {
    const auto& runtime = Runtime();
    if (runtime.quitting) {
        return runtime.exitCode;
    }
    // The loop only ends through Quit; without one the program never got going.
    return runtime.reportedUnhandled ? 1 : 0;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) { Runtime().exceptionHelper = helper; }

void RuntimeSetVersionStamp(double release) { Runtime().versionStamp = release; }
double RuntimeVersionStamp() { return Runtime().versionStamp; }

// The program uses no external classes and no plug-ins.
void RuntimeInitExternalClasses() {}
void InitPluginEntrypoints() {}

void RuntimeRegisterAppObject(std::shared_ptr<Application> application) {
    if (!application) {
        throw NilObjectException("No application object to register");
    }
    Runtime().application = std::move(application);
}

std::shared_ptr<Application> App() { return Runtime().application; }

void RunFrameworkInitialization(void (*lateStartup)()) {
    CheckUIThread();
    if (lateStartup != nullptr) {
        lateStartup();
    }
}

void RuntimeRun() {
    CheckUIThread();
    // A Quit during start-up ends the program before the loop ever runs.
    if (Runtime().quitting) {
        return;
    }
    QApplication::exec();
}

void Quit(std::int64_t code) {
    auto& runtime = Runtime();
    if (runtime.quitting) {
        return;
    }
    runtime.quitting = true;
    runtime.exitCode = static_cast<int>(code);
    QCoreApplication::exit(runtime.exitCode);
}

bool IsQuitting() { return Runtime().quitting; }

namespace {

std::string Describe(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const ThreadAccessingUIException& e) {
        return std::string("ThreadAccessingUIException: ") + e.what();
    } catch (const NilObjectException& e) {
        return std::string("NilObjectException: ") + e.what();
    } catch (const TypeCastException& e) {
        return std::string("TypeCastException: ") + e.what();
    } catch (const RuntimeException& e) {
        return std::string("RuntimeException: ") + e.what();
    } catch (const std::exception& e) {
        return std::string(typeid(e).name()) + ": " + e.what();
    } catch (...) {
        return "an exception of unknown type";
    }
}

void CallStdFunction(void* code) { (*static_cast<const std::function<void()>*>(code))(); }

}  // namespace

void UnhandledException(std::exception_ptr exception) {
    if (!exception) {
        return;
    }
    Runtime().reportedUnhandled = true;
    const auto description = Describe(exception);
    std::cerr << "Veltranoquisenary: unhandled " << description << std::endl;
    MsgBox("An unexpected error occurred and was not handled:\n" + description + "\n");
}

void CallSystemCode(const std::function<void()>& code) {
    try {
        auto helper = Runtime().exceptionHelper;
        if (helper == nullptr) {
            code();
            return;
        }
        auto escaped = helper(&CallStdFunction, const_cast<std::function<void()>*>(&code));
        if (escaped) {
            UnhandledException(escaped);
        }
    } catch (...) {
        UnhandledException(std::current_exception());
    }
}
