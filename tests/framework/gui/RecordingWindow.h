#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/gui/Control.h"
#include "framework/gui/Window.h"
#include "framework/gui/WindowList.h"

// A window that notes each of its events and, at each, whether the window lookup by class
// name finds it. Tests give the hooks what else an event should do.
class RecordingWindow : public fw::Window {
  public:
    static const fw::ClassRecord& ClassInfo();
    const fw::ClassRecord& ClassOf() const override { return ClassInfo(); }

    void Layout() { Note("Layout", onLayout); }
    void CreateControls() { Note("CreateControls", onCreateControls); }
    void Event_Open() { Note("Open", onOpen); }
    bool CancelClose() {
        Note("CancelClose", onCancelClose);
        return refuseClose;
    }
    void Event_Close() { Note("Close", onClose); }
    // A control handler: notes the sender's name.
    void NoteSender(fw::Control& sender) { events.push_back("Sender " + sender.Name()); }

    std::vector<std::string> events;
    std::vector<bool> findable;  // one per event
    std::vector<bool> shownAt;   // one per event
    bool refuseClose = false;
    std::function<void(RecordingWindow&)> onLayout;
    std::function<void(RecordingWindow&)> onCreateControls;
    std::function<void(RecordingWindow&)> onOpen;
    std::function<void(RecordingWindow&)> onCancelClose;
    std::function<void(RecordingWindow&)> onClose;

  private:
    void Note(const std::string& event, const std::function<void(RecordingWindow&)>& hook);
};

// A built window of the class: Constructor has run.
fw::Ref<RecordingWindow> BuildRecordingWindow(
    const std::function<void(RecordingWindow&)>& prepare = nullptr);
