#include "support/PaintCounter.h"

#include <QEvent>

PaintCounter::PaintCounter(QWidget& widget, std::function<std::string()> probe)
    : widget_(widget), probe_(std::move(probe)) {
    widget_.installEventFilter(this);
}

PaintCounter::~PaintCounter() { widget_.removeEventFilter(this); }

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &widget_ && event->type() == QEvent::Paint) seen_.push_back(probe_());
    return QObject::eventFilter(watched, event);
}
