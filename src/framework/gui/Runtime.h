#pragma once

#include <string>

#include "framework/gui/Delegate.h"
#include "framework/runtime/CheckCast.h"
#include "framework/runtime/Object.h"

namespace fw {

class Application;

// Starts a fresh run of the runtime: makes the QApplication when none exists (with an argument
// list of its own: the process's arguments never reach Qt), clears the quit request, the exit
// code and the plug-in entry points, and installs the GUI background task (pending events but
// no user input) and a Qt message box for MsgBox.
void RuntimeInit();

// Calls `startup` exactly once and returns when it has. When it throws, the run is marked as a
// failed start (RuntimeExit then gives 1) and the exception passes on to the caller. An empty
// delegate raises NilObjectException, also a failed start.
void RunFrameworkInitialization(const Delegate& startup);

// Runs the event loop until Quit; returns at once when Quit was asked for already.
void RuntimeRun();

// Asks the event loop to end; RuntimeExit gives `code`. A later request replaces the code.
void Quit(int code);
bool QuitRequested();

// Ends the run: releases the application object and the window lists, puts back the default
// background task and message box, deletes the QApplication when RuntimeInit made it, and
// gives the exit status: 1 after a failed start,
// otherwise the code of the last Quit (0 when none was asked for).
int RuntimeExit();

// Builds the class records of the framework's classes (each only once).
void RuntimeInitExternalClasses();

// Makes `application` the application object; the runtime holds it until RuntimeExit.
// Raises NilObjectException for a missing object.
void RegisterAppObject(Ref<Application> application);
// The registered application object, or nil before registration.
Ref<Application> AppObject();

// Releases the framework's shared objects: the lists of open and closed windows (and with
// them every window the system holds no reference to). Runs at finalisation, outside the loop.
void ReleaseSharedObjects();

// A new instance of T; no Constructor runs.
template <class T>
Ref<T> RuntimeNewObject() {
    return RuntimeCheckCast<T>(T::ClassInfo().NewObject());
}

}  // namespace fw
