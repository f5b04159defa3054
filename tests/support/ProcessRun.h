#pragma once

#include <gtest/gtest.h>

#include <QObject>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "framework/gui/Runtime.h"
#include "framework/runtime/MsgBox.h"
#include "shell/ProcessSteps.h"
#include "shell/Window1.h"
#include "support/WidgetLookup.h"

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

// One start of the program with its palette: once the loop runs and the palette is on screen,
// `inLoop` acts on it; then the palette is closed as by its close button. Message boxes go to
// `messages`. A close that does not end the program fails the test and quits with 99, so a
// broken close cannot hang the run. Gives the exit status.
inline int RunPalette(std::vector<std::string>& messages,
                      const std::function<void(Window1&)>& inLoop) {
    return RunProcessSteps(
        [&messages] {
            fw::SetMessageBoxPresenter(
                [&messages](const std::string& text) { messages.push_back(text); });
        },
        [&inLoop] {
            fw::Ref<Window1> palette = Window1::Instance();
            WaitUntilExposed(*palette->Widget());
            if (inLoop) inLoop(*palette);
            palette->Widget()->close();
            if (!fw::QuitRequested()) {
                ADD_FAILURE() << "closing the palette did not end the program";
                fw::Quit(99);
            }
        });
}

}  // namespace vemo_test
