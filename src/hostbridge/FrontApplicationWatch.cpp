// The front-application watch: on every timer tick the palette is shown only while Illustrator
// or the palette itself is the front application.
#include "framework/runtime/NilObjectException.h"
#include "hostbridge/HostScriptCalls.h"
#include "shell/Window1.h"

namespace {

constexpr const char* kDrawingApplication = "Illustrator";
// The palette's own application name; the watch keeps its own copy and never reads the title.
constexpr const char* kOwnApplication = "Vemoコード";

// Always the palette the accessor gives, so the one palette is the one shown or hidden.
void SetPaletteVisible(bool visible) {
    fw::Ref<Window1> palette = Window1::Instance();
    fw::Required(palette, "the palette")->SetVisible(visible);
}

}  // namespace

void Window1::Timer1_Action(fw::Control&) {
    const fw::String name = frontAppli(NewHostScriptArgumentList());
    // Set on every tick, also to the value it has: nothing is remembered between ticks.
    SetPaletteVisible(name == kDrawingApplication || name == kOwnApplication);
}
