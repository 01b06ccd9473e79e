#include "ModalDriver.h"

#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

void WhenModalOpens(std::function<void(QWidget* modal)> action, int timeoutMs) {
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, before, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr && modal != before.data() && modal->isVisible()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
            return;
        }
        if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no modal window opened in time";
            if (modal != nullptr) {
                modal->close();
            }
        }
    });
    timer->start();
}
