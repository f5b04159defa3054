#include "shell/Startup.h"

#include "framework/gui/PluginEntrypoints.h"
#include "framework/gui/Runtime.h"
#include "framework/runtime/NilObjectException.h"
#include "shell/App.h"
#include "shell/MenuBar1.h"
#include "shell/Window1.h"

void Startup() {
    fw::RuntimeInitExternalClasses();
    // Before the palette: its button's text unit goes through an entry point.
    fw::InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

void InitFileTypes() {}

void NewAppInstance() {
    fw::Ref<App> application = fw::RuntimeNewObject<App>();
    fw::Required(application, "the application object");
    application->SetMenuBar(MenuBar1::Instance());
    fw::RegisterAppObject(std::move(application));
}

void ApplicationAddMenuHandlers() {}

void MakeDefaultView() { Window1::Instance(); }
