#include "shell/ProcessSteps.h"

#include <exception>

#include "framework/gui/FrameworkClasses.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/UnhandledException.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "shell/Startup.h"
#include "shell/Window1.h"
#include "shell/Window1POP1.h"
#include "shell/Window1ST2.h"
#include "shell/Window1Timer1.h"

void Initialize() {
    fw::BuildFrameworkClassRecords();
    App::ClassInfo();
    Window1::ClassInfo();
    Window1Timer1::ClassInfo();
    Window1POP1::ClassInfo();
    Window1ST2::ClassInfo();
    MenuBar1::ClassInfo();
}

void Main() {
    try {
        fw::Delegate startup = fw::RuntimeCreateDelegate(&Startup);
        fw::RunFrameworkInitialization(startup);
        startup = nullptr;
        fw::RuntimeRun();
    } catch (...) {
        fw::UnhandledException(std::current_exception());
    }
}

void Finalize() {
    fw::ReleaseSharedObjects();
    MenuBar1::ImplicitInstanceExit();
}
