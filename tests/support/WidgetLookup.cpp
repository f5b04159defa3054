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

void WaitUntilExposed(QWidget& widget) {
    QElapsedTimer clock;
    clock.start();
    QWidget* top = widget.window();
    while (!(top->windowHandle() && top->windowHandle()->isExposed()) && clock.elapsed() < 1000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(top->windowHandle() && top->windowHandle()->isExposed())
        << top->objectName().toStdString() << " is not on screen";
}

void PressKeys(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&widget, key, modifiers);
}
