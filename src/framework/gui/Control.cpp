#include "framework/gui/Control.h"

#include "framework/gui/DesignProperties.h"
#include "framework/gui/Window.h"
#include "framework/runtime/Dispatcher.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/runtime/RuntimeException.h"

namespace fw {

const ClassRecord& Control::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "Control",
        .designProperties = {DesignSetter("Name", &Control::SetName),
                             DesignSetter("Index", &Control::SetIndex)},
    });
    return record;
}

void Control::SetName(std::string name) {
    name_ = std::move(name);
    NameOrIndexChanged();
}

void Control::SetIndex(std::int32_t index) {
    index_ = index;
    NameOrIndexChanged();
}

bool Control::HasHandler(std::string_view event) const {
    return handlers_.find(event) != handlers_.end();
}

bool Control::RaiseEvent(std::string_view event) {
    auto found = handlers_.find(event);
    if (found == handlers_.end()) return false;
    // The handler may drop the last other reference to this control.
    Ref<Object> keepAlive = weak_from_this().lock();
    EventHandler handler = found->second;
    return DispatchEvent([&] { handler(*this); });
}

void Control::AttachTo(fw::Window& window) {
    window_ = std::static_pointer_cast<fw::Window>(window.weak_from_this().lock());
}

void Control::DetachFromWindow() { window_.reset(); }

void InstallInstanceEventHandler(Control& control, std::string_view eventName,
                                 EventHandler handler) {
    if (!handler) throw NilObjectException("no handler for the event " + std::string(eventName));
    if (!control.ClassOf().DefinesEvent(eventName)) {
        throw RuntimeException("the class " + control.ClassOf().Name() + " has no event " +
                               std::string(eventName));
    }
    control.handlers_[std::string(eventName)] = std::move(handler);
}

std::string ControlObjectName(std::string_view name, std::int32_t index) {
    if (index == Control::kNoIndex) return std::string(name);
    return std::string(name) + "(" + std::to_string(index) + ")";
}

}  // namespace fw
