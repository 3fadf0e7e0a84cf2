#pragma once

#include <exception>
#include <memory>

class Application;

// The program's start-up and shut-down. RunProgram is the whole of the process entry;
// the other operations are its steps, in the order in which they run.

// Makes the application object, not yet constructed. Start-up takes the class as a
// parameter so that a test can hand it a subclass of its own.
using ApplicationClass = std::shared_ptr<Application> (*)();
std::shared_ptr<Application> VeltranoquisenaryClass();

// RuntimeInit, RuntimePerformInitializers, Main, RuntimePerformFinalizers, and the
// exit status that RuntimeExit returns. The finalisers and the exit run whatever Main
// leaves behind.
int RunProgram(ApplicationClass applicationClass = VeltranoquisenaryClass);

// The start-up driver: installs the exception helper, stamps the toolchain release,
// runs EarlyStartup, the framework's initialisation and the event loop. Each step runs
// only while no exception is pending, `pending` being one left from before Main; the
// first exception skips the rest and goes to UnhandledException, once.
void Main(ApplicationClass applicationClass = VeltranoquisenaryClass,
          std::exception_ptr pending = nullptr);

// The steps before the framework's initialisation, up to the application object's
// menu handlers.
void EarlyStartup(ApplicationClass applicationClass = VeltranoquisenaryClass);
// The program declares no file types.
void InitFileTypes();
// Creates the application object, gives it its version data and MenuBar1, and
// registers it with the runtime, last.
void NewAppInstance(ApplicationClass applicationClass = VeltranoquisenaryClass);
// The application object registers no menu handlers.
void ApplicationAddMenuHandlers();
// Called back by the framework's initialisation.
void LateStartup();
// Creates the About window, which its record makes visible.
void MakeDefaultView();

// Calls function(value). Returns the RuntimeException that escaped the call, which is
// then no longer pending, or none; any other exception passes on.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* value);

// The release of the compiler that built the program, as major.minor.
double ToolchainRelease();
