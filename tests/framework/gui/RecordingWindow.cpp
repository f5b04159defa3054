#include "RecordingWindow.h"

#include <QWidget>

#include "framework/runtime/CheckCast.h"

const fw::ClassRecord& RecordingWindow::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "Test.RecordingWindow",
        .base = &fw::Window::ClassInfo(),
        .operations = {"Layout()", "CreateControls()", "Event_Open()", "CancelClose()",
                       "Event_Close()"},
        .handledEvents = {{"Layout", "Layout", fw::EventHook(&RecordingWindow::Layout)},
                          {"CreateControls", "CreateControls",
                           fw::EventHook(&RecordingWindow::CreateControls)},
                          {"Open", "Event_Open", fw::EventHook(&RecordingWindow::Event_Open)},
                          {"CancelClose", "CancelClose",
                           fw::EventHook(&RecordingWindow::CancelClose)},
                          {"Close", "Event_Close", fw::EventHook(&RecordingWindow::Event_Close)}},
        .create = [] { return std::make_shared<RecordingWindow>(); },
    });
    return record;
}

void RecordingWindow::Note(const std::string& event,
                           const std::function<void(RecordingWindow&)>& hook) {
    events.push_back(event);
    findable.push_back(fw::GetImplicitWindow(ClassOf().Name()).get() == this);
    shownAt.push_back(Widget() && Widget()->isVisible());
    if (hook) hook(*this);
}

fw::Ref<RecordingWindow> BuildRecordingWindow(
    const std::function<void(RecordingWindow&)>& prepare) {
    auto window = fw::RuntimeCheckCast<RecordingWindow>(RecordingWindow::ClassInfo().NewObject());
    if (prepare) prepare(*window);
    window->Constructor();
    return window;
}
