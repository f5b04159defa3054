#include "shell/Window1POP1.h"

const fw::ClassRecord& Window1POP1::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "Window1.POP1",
        .base = &fw::PopupMenu::ClassInfo(),
        .operations = {"Constructor(Int32)"},
        .create = [] { return std::make_shared<Window1POP1>(); },
    });
    return record;
}

void Window1POP1::Constructor(std::int32_t index) {
    SetIndex(index);
    fw::RectControl::Constructor();
}
