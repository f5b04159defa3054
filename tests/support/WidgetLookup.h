#pragma once

#include <gtest/gtest.h>

#include <QWidget>
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

// What the pointer and the mouse do, as Qt delivers it to a widget.
void EnterWidget(QWidget& widget);
void ClickWidget(QWidget& widget);
