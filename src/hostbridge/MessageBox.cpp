// The palette's message box: shown with the palette in front, then Illustrator brought back to
// the front.
#include "framework/runtime/MsgBox.h"
#include "framework/runtime/NilObjectException.h"
#include "framework/scripting/AppleEvent.h"
#include "hostbridge/HostScriptCalls.h"
#include "shell/Window1.h"

void Window1::my_msgbox(const fw::String& message) {
    acctivemyapp(NewHostScriptArgumentList());
    fw::MsgBox(message);
    AI_ACCTIVE();
}

void Window1::AI_ACCTIVE() {
    // The standard activate event, addressed to the drawing application's creator code.
    fw::Ref<fw::AppleEvent> activate = fw::NewAppleEvent("misc", "actv", "ART5");
    fw::Required(activate, "the activate event");
    if (!activate->Send()) fw::MsgBox("Illustratorを起動してください。");
}
