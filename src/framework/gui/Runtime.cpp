#include "framework/gui/Runtime.h"

#include <QApplication>
#include <QMessageBox>
#include <memory>

#include "framework/gui/Application.h"
#include "framework/gui/FrameworkClasses.h"
#include "framework/gui/PluginEntrypoints.h"
#include "framework/gui/WindowList.h"
#include "framework/runtime/BackgroundTask.h"
#include "framework/runtime/MsgBox.h"
#include "framework/runtime/NilObjectException.h"

namespace fw {
namespace {

struct RunState {
    int exitCode = 0;
    bool quitRequested = false;
    bool startFailed = false;
    bool looping = false;
    Ref<Application> application;
};

RunState& State() {
    static RunState state;
    return state;
}

std::unique_ptr<QApplication>& OwnedApplication() {
    static std::unique_ptr<QApplication> application;
    return application;
}

// Qt keeps references to argc and argv for the application's whole life.
int fixedArgc = 1;
char fixedProgramName[] = "vemo";
char* fixedArgv[] = {fixedProgramName, nullptr};

void YieldToPendingEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void ShowMessageBox(const std::string& message) {
    QMessageBox box;
    box.setText(QString::fromStdString(message));
    box.exec();
}

}  // namespace

void RuntimeInit() {
    if (!QCoreApplication::instance()) {
        OwnedApplication() = std::make_unique<QApplication>(fixedArgc, fixedArgv);
    }
    // Closing the last window ends the loop through the framework, so its Close events run.
    QApplication::setQuitOnLastWindowClosed(false);
    State() = RunState{};
    ClearPluginEntrypoints();
    SetBackgroundTask(YieldToPendingEvents);
    SetMessageBoxPresenter(ShowMessageBox);
}

Delegate RuntimeCreateDelegate(void (*routine)()) { return Delegate(routine); }

void RunFrameworkInitialization(const Delegate& startup) {
    try {
        if (!startup) throw NilObjectException("the start-up routine is missing");
        startup();
    } catch (...) {
        State().startFailed = true;
        throw;
    }
}

void RuntimeRun() {
    RunState& state = State();
    if (state.quitRequested) return;
    state.looping = true;
    state.exitCode = QCoreApplication::exec();
    state.looping = false;
}

void Quit(int code) {
    RunState& state = State();
    state.exitCode = code;
    state.quitRequested = true;
    if (state.looping) QCoreApplication::exit(code);
}

bool QuitRequested() { return State().quitRequested; }

int RuntimeExit() {
    int status = State().startFailed ? 1 : State().exitCode;
    State().application = nullptr;
    ReleaseWindowLists();
    // Both would need the QApplication that may go now.
    SetBackgroundTask({});
    SetMessageBoxPresenter({});
    OwnedApplication().reset();
    return status;
}

void RuntimeInitExternalClasses() { BuildFrameworkClassRecords(); }

void RegisterAppObject(Ref<Application> application) {
    if (!application) throw NilObjectException("no application object to register");
    State().application = std::move(application);
}

Ref<Application> AppObject() { return State().application; }

void ReleaseSharedObjects() { ReleaseWindowLists(); }

}  // namespace fw
