#include "shell/Window1Timer1.h"

const fw::ClassRecord& Window1Timer1::ClassInfo() {
    static const fw::ClassRecord& record = fw::BuildClassRecord({
        .name = "Window1.Timer1",
        .base = &fw::Timer::ClassInfo(),
        .create = [] { return std::make_shared<Window1Timer1>(); },
    });
    return record;
}
