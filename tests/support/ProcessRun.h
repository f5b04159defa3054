#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "framework/gui/Runtime.h"
#include "shell/ProcessSteps.h"

namespace vemo_test {

// The process's steps, in-process: `beforeMain` runs after the runtime's init, `inLoop` once
// the event loop runs. Gives the exit status.
inline int RunProcessSteps(const std::function<void()>& beforeMain,
                           const std::function<void()>& inLoop) {
    fw::RuntimeInit();
    QObject scope;  // takes the pending timer along when the run ends without a loop
    QTimer::singleShot(0, &scope, inLoop);
    Initialize();
    if (beforeMain) beforeMain();
    Main();
    Finalize();
    return fw::RuntimeExit();
}

}  // namespace vemo_test
