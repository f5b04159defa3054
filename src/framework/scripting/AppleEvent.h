#pragma once

#include <functional>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/text/TextFunctions.h"

namespace fw {

// An event addressed to another application by its four-character codes. This platform has
// no Apple events: the default sender reports every send as failed.
class AppleEvent : public Object {
  public:
    AppleEvent(String eventClass, String eventID, String creator);

    static const ClassRecord& ClassInfo();
    const ClassRecord& ClassOf() const override { return ClassInfo(); }

    const String& EventClass() const { return eventClass_; }
    const String& EventID() const { return eventID_; }
    const String& Creator() const { return creator_; }

    // True when the event was sent; false here unless a sender is installed that says so.
    bool Send();

  private:
    String eventClass_;
    String eventID_;
    String creator_;
};

// A new event, not yet sent; none (an empty Ref) when a code is not four bytes long.
Ref<AppleEvent> NewAppleEvent(const String& eventClass, const String& eventID,
                              const String& creator);

using AppleEventSender = std::function<bool(const AppleEvent& event)>;

// Replaces what Send does (tests record the event and choose the answer); gives back the
// sender it replaces. An empty sender restores the default, which sends nothing and reports
// false.
AppleEventSender SetAppleEventSender(AppleEventSender sender);

}  // namespace fw
