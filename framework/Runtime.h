#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>

class Application;

// The runtime's start-up, event loop and shut-down, in the order the program's entry
// calls them: RuntimeInit, RuntimePerformInitializers, the program's own start-up
// (which ends in RuntimeRun), RuntimePerformFinalizers, RuntimeExit.

void RuntimeInit();
void RuntimePerformInitializers();
void RuntimePerformFinalizers();
// The exit status: the code given to Quit; 1 when the program ended without one after
// an unhandled exception (a start-up that failed).
int RuntimeExit();

// Initialisers that RuntimePerformInitializers runs, in the order added.
void RuntimeAddInitializer(std::function<void()> initializer);

// Calls function(value); returns the RuntimeException that escaped it, or none.
// Any other exception passes on.
using ExceptionHelper = std::exception_ptr (*)(void (*function)(void*), void* value);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
// The release of the toolchain that built the program.
void RuntimeSetVersionStamp(double release);
double RuntimeVersionStamp();

void RuntimeInitExternalClasses();
void InitPluginEntrypoints();
void RuntimeRegisterAppObject(std::shared_ptr<Application> application);
// Initialises the framework, calling lateStartup back once on the way.
void RunFrameworkInitialization(void (*lateStartup)());
// Runs the event loop until the application quits.
void RuntimeRun();

// Reports an exception that no handler took: on stderr and in a message box.
void UnhandledException(std::exception_ptr exception);

// Ends the event loop; RuntimeExit then returns the code. A Quit while quitting is
// accepted, and the application still ends once, with the first code.
void Quit(std::int64_t code = 0);
bool IsQuitting();

// Calls the system's code from the event loop: an exception that escapes is handed to
// UnhandledException and never crosses Qt's event loop. Goes through the installed
// exception helper when there is one.
void CallSystemCode(const std::function<void()>& code);
