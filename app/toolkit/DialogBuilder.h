#pragma once

#include <map>

#include "res/DialogTemplate.h"

class QWidget;
class QFont;

// Builds the control widgets of a dialog template into a window, converting dialog units to
// pixels from the font's average character width and height, and chains the tab order in the
// template's order.
class DialogBuilder {
public:
    explicit DialogBuilder(const QFont& font);

    int ToPixelsX(int dialogUnits) const;
    int ToPixelsY(int dialogUnits) const;

    // Creates every control of `dialogTemplate` as a child of `window`, sizes the window, and
    // returns the controls that have an id.
    std::map<int, QWidget*> Build(const DialogTemplate& dialogTemplate, QWidget& window) const;

private:
    QWidget* CreateControl(const ControlTemplate& control, QWidget& window) const;

    double m_baseUnitX;
    double m_baseUnitY;
};
