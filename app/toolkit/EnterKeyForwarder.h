#pragma once

#include <QObject>

// Hands the Enter and Return keys pressed in a control that would keep them for itself (the
// month calendar's day grid does) on to the control's window, so that they press the dialog's
// default button as they do in every other control.
class EnterKeyForwarder final : public QObject {
public:
    explicit EnterKeyForwarder(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
