#pragma once

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <string>

// The widget with that object name among the application's widgets, or nullptr after
// recording a test failure that lists the object names there are.
QWidget* FindWidget(const std::string& objectName);

template <class W>
W* FindWidgetAs(const std::string& objectName) {
    QWidget* widget = FindWidget(objectName);
    auto* typed = qobject_cast<W*>(widget);
    if (widget && !typed) {
        ADD_FAILURE() << "the widget " << objectName << " is a "
                      << widget->metaObject()->className();
    }
    return typed;
}

// Lets the event loop run until `done` holds or `limitMs` have passed; gives back `done()`.
bool RunEventsUntil(const std::function<bool()>& done, int limitMs = 1000);

// Lets the event loop run until the window of `widget` is on screen (exposed), as it is by
// the time a user can act on it; records a failure after a second.
void WaitUntilExposed(QWidget& widget);

// What the pointer and the mouse do, as Qt delivers it to a widget.
void EnterWidget(QWidget& widget);
void ClickWidget(QWidget& widget);
// A key pressed and released while `widget`'s window is active; menu shortcuts see it.
void PressKeys(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers);
