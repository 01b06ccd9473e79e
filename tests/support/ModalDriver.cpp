#include "ModalDriver.h"

#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
constexpr qint64 kActivationWaitMs = 2000;
} // namespace

void WhenModalOpens(std::function<void(QWidget* modal)> action, int timeoutMs) {
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer();
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto activationClock = std::make_shared<QElapsedTimer>();
    auto activationAsked = std::make_shared<bool>(false);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout,
                     [timer, before, clock, activationClock, activationAsked, action, timeoutMs] {
                         QWidget* modal = QApplication::activeModalWidget();
                         if (modal != nullptr && modal != before.data() && modal->isVisible()) {
                             // Activation, and with it the keyboard focus, can come a little after
                             // the show on the offscreen platform, later still on a busy machine:
                             // keys sent before it would reach the window underneath.
                             if (QApplication::activeWindow() != modal) {
                                 if (!*activationAsked) {
                                     modal->activateWindow();
                                     *activationAsked = true;
                                     activationClock->start();
                                 }
                                 if (activationClock->elapsed() < kActivationWaitMs) {
                                     return;
                                 }
                             }
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
