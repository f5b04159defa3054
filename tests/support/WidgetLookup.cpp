#include "support/WidgetLookup.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QTest>
#include <QWindow>

QWidget* FindWidget(const std::string& objectName) {
    QString name = QString::fromStdString(objectName);
    std::string known;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == name) return widget;
        if (!widget->objectName().isEmpty())
            known.append(" ").append(widget->objectName().toStdString());
    }
    ADD_FAILURE() << "no widget named " << objectName << "; there are:" << known;
    return nullptr;
}

void EnterWidget(QWidget& widget) {
    QPointF inside(widget.width() / 2.0, widget.height() / 2.0);
    QEnterEvent enter(inside, inside, widget.mapToGlobal(inside));
    QApplication::sendEvent(&widget, &enter);
}

void ClickWidget(QWidget& widget) {
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    ASSERT_NE(button, nullptr) << widget.objectName().toStdString() << " is not a button";
    button->click();
}

bool RunEventsUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return done();
}

void WaitUntilExposed(QWidget& widget) {
    QWidget* top = widget.window();
    auto exposed = [top] { return top->windowHandle() && top->windowHandle()->isExposed(); };
    EXPECT_TRUE(RunEventsUntil(exposed)) << top->objectName().toStdString() << " is not on screen";
}

void PressKeys(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&widget, key, modifiers);
}
