#include "framework/gui/Runtime.h"
#include "shell/ProcessSteps.h"

int main() {
    fw::RuntimeInit();
    Initialize();
    Main();
    Finalize();
    return fw::RuntimeExit();
}
