#include "shell/App.h"

const fw::ClassRecord& App::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "App",
        .base = &fw::Application::ClassInfo(),
        .create = [] { return std::make_shared<App>(); },
    });
    return record;
}
