#include "app/toolkit/EnterKeyForwarder.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

EnterKeyForwarder::EnterKeyForwarder(QObject* parent) : QObject(parent) {}

bool EnterKeyForwarder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* widget = qobject_cast<QWidget*>(watched);
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || widget == nullptr ||
        widget->window() == widget) {
        return false;
    }
    QCoreApplication::sendEvent(widget->window(), event);
    return true;
}
