#pragma once

class QWidget;

// A control object that a dialog member binds to one of the dialog's control widgets.
class CControl {
public:
    CControl() = default;
    virtual ~CControl() = default;
    CControl(const CControl&) = delete;
    CControl& operator=(const CControl&) = delete;

    // Binds to `widget`; the widget's kind must be the one the control object drives.
    virtual void Attach(QWidget* widget) = 0;
    // The widget is about to be destroyed.
    virtual void Detach() = 0;
    virtual bool IsAttached() const = 0;
};
