#include "framework/scripting/AppleEvent.h"

namespace fw {
namespace {

constexpr String::size_type kCodeLength = 4;

bool SendNothing(const AppleEvent&) { return false; }

AppleEventSender& Sender() {
    static AppleEventSender sender = SendNothing;
    return sender;
}

}  // namespace

AppleEvent::AppleEvent(String eventClass, String eventID, String creator)
    : eventClass_(std::move(eventClass)),
      eventID_(std::move(eventID)),
      creator_(std::move(creator)) {}

const ClassRecord& AppleEvent::ClassInfo() {
    static const ClassRecord& record = BuildClassRecord({
        .name = "AppleEvent",
        .operations = {"Send()"},
    });
    return record;
}

bool AppleEvent::Send() { return Sender()(*this); }

Ref<AppleEvent> NewAppleEvent(const String& eventClass, const String& eventID,
                              const String& creator) {
    for (const String* code : {&eventClass, &eventID, &creator}) {
        if (code->size() != kCodeLength) return nullptr;
    }
    return std::make_shared<AppleEvent>(eventClass, eventID, creator);
}

AppleEventSender SetAppleEventSender(AppleEventSender sender) {
    AppleEventSender previous = std::move(Sender());
    Sender() = sender ? std::move(sender) : SendNothing;
    return previous;
}

}  // namespace fw
