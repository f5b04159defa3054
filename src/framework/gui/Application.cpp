#include "framework/gui/Application.h"

#include "framework/gui/MenuBar.h"

namespace fw {

const ClassRecord& Application::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "Application",
        .members = {{.name = "MenuBar",
                     .kind = Member::Kind::Property,
                     .result = "MenuBar",
                     .attributes = {{"__Scope", "Public"}}}},
        .create = [] { return std::make_shared<Application>(); },
    });
    return record;
}

}  // namespace fw
