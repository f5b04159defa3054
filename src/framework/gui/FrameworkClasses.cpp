#include "framework/gui/FrameworkClasses.h"

#include "framework/gui/Application.h"
#include "framework/gui/BevelButton.h"
#include "framework/gui/MenuBar.h"
#include "framework/gui/PopupMenu.h"
#include "framework/gui/QuitMenuItem.h"
#include "framework/gui/StaticText.h"
#include "framework/gui/Timer.h"
#include "framework/gui/Window.h"

namespace fw {

void BuildFrameworkClassRecords() {
    Application::ClassInfo();
    Window::ClassInfo();
    PopupMenu::ClassInfo();
    StaticText::ClassInfo();
    BevelButton::ClassInfo();
    Timer::ClassInfo();
    MenuBar::ClassInfo();
    QuitMenuItem::ClassInfo();
}

}  // namespace fw
