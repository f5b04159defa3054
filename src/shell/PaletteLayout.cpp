// The palette's Layout and control creation.
#include "framework/design/SetProperties.h"
#include "framework/gui/Control.h"
#include "framework/runtime/NilObjectException.h"
#include "shell/MenuBar1.h"
#include "shell/PaletteRecords.h"
#include "shell/Window1.h"
#include "shell/Window1POP1.h"
#include "shell/Window1ST2.h"
#include "shell/Window1Timer1.h"

namespace {

constexpr float kTextSize = 10;
constexpr std::uint8_t kTextUnit = 0;

template <class T>
void SetTextSizeAndUnit(fw::Ref<T> control, const char* what) {
    fw::Required(control, what)->SetTextSize(kTextSize);
    control->SetTextUnit(kTextUnit);
}

// The control, or NilObjectException naming it.
template <class T>
T& Present(fw::Ref<T> control, const char* what) {
    return *fw::Required(control, what);
}

// Makes one element of a setting row's control array (POP1 or ST2) with its record and hover
// handler; each step reaches the element afresh by its name and index.
template <class Element>
void AddSetting(Window1& palette, const ControlPlace& place, const std::string& record,
                void (Window1::*hover)(fw::Control&)) {
    auto element = palette.New<Element>();
    fw::Required(element, place.name)->Constructor(place.index);
    palette.AddControl(place.name, element);
    auto registered = [&] {
        return fw::RuntimeCheckCast<Element>(palette.ControlByNameIndex(place.name, place.index));
    };
    SetTextSizeAndUnit(registered(), place.name);
    fw::SetProperties(Present(registered(), place.name), record);
    fw::InstallInstanceEventHandler(Present(registered(), place.name), "MouseEnter",
                                    fw::RuntimeCreateDelegate(palette, hover));
}

}  // namespace

void Window1::Layout() {
    SetMenuBar(MenuBar1::Instance());
    fw::SetProperties(*this, PaletteWindowRecord());
}

void Window1::CreateControls0() {
    auto timer = New<Window1Timer1>();
    fw::Required(timer, "Timer1")->Constructor();
    AddControl("Timer1", timer);
    fw::SetProperties(Present(Timer1(), "Timer1"), TimerRecord(fw::Timer::kMultiple, 1000));
    fw::InstallInstanceEventHandler(Present(Timer1(), "Timer1"), "Action",
                                    fw::RuntimeCreateDelegate(*this, &Window1::Timer1_Action));

    auto button = New<fw::BevelButton>();
    fw::Required(button, "makeqr")->Constructor();
    AddControl("makeqr", button);
    SetTextSizeAndUnit(makeqr(), "makeqr");
    fw::SetProperties(Present(makeqr(), "makeqr"), ButtonRecord(kMakeqrPlace, kMakeqrCaption));
    fw::InstallInstanceEventHandler(Present(makeqr(), "makeqr"), "Action",
                                    fw::RuntimeCreateDelegate(*this, &Window1::makeqr_Action));

    AddSetting<Window1POP1>(*this, kEncodingPopup.place, PopupRecord(kEncodingPopup),
                            &Window1::POP1_MouseEnter);
    AddSetting<Window1POP1>(*this, kLevelPopup.place, PopupRecord(kLevelPopup),
                            &Window1::POP1_MouseEnter);
    AddSetting<Window1ST2>(*this, kLevelLabel.place, LabelRecord(kLevelLabel),
                           &Window1::ST2_MouseEnter);
    AddSetting<Window1ST2>(*this, kEncodingLabel.place, LabelRecord(kEncodingLabel),
                           &Window1::ST2_MouseEnter);

    auto status = New<fw::StaticText>();
    fw::Required(status, "ST1")->Constructor();
    AddControl("ST1", status);
    SetTextSizeAndUnit(ST1(), "ST1");
    fw::SetProperties(Present(ST1(), "ST1"), LabelRecord(kStatusLine));

    AddSetting<Window1POP1>(*this, kSizePopup.place, PopupRecord(kSizePopup),
                            &Window1::POP1_MouseEnter);
    AddSetting<Window1ST2>(*this, kSizeLabel.place, LabelRecord(kSizeLabel),
                           &Window1::ST2_MouseEnter);
}
