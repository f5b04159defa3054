#include "shell/Window1ST2.h"

const fw::ClassRecord& Window1ST2::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "Window1.ST2",
        .base = &fw::StaticText::ClassInfo(),
        .operations = {"Constructor(Int32)"},
        .create = [] { return std::make_shared<Window1ST2>(); },
    });
    return record;
}

void Window1ST2::Constructor(std::int32_t index) {
    SetIndex(index);
    fw::RectControl::Constructor();
}
