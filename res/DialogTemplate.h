#pragma once

#include <string>
#include <vector>

// A dialog described as data: what the toolkit layer builds its widgets from. Positions and
// sizes are in dialog units (a quarter of the font's average character width horizontally, an
// eighth of its height vertically).
enum class ControlKind {
    PushButton,
    DefPushButton,
    Static,
    Edit,
    ComboDropDown,
    ListView,
    GroupBox,
    Icon,
    MonthCalendar,
};

// Control style bits that the windows rely on.
enum ControlStyle : unsigned {
    kStyleNone = 0,
    kStyleBorder = 1u << 0,
    kStyleAutoHScroll = 1u << 1,
    kStyleTabStop = 1u << 2,
    kStylePassword = 1u << 3,
    kStyleVScroll = 1u << 4,
    kStyleSingleSelection = 1u << 5,
};

constexpr int kNoControlId = -1;

struct ControlTemplate {
    int id = kNoControlId;
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    unsigned style = kStyleNone;
    std::vector<std::string> items; // the list of a combo box, in order
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int cx = 0;
    int cy = 0;
    std::string fontName;
    int pointSize = 8;
    bool hasMinimizeBox = false;
    bool hasMaximizeBox = false;
    std::vector<ControlTemplate> controls; // creation order, which is the tab order
};

// The dialog template with the given resource id; throws std::out_of_range for an unknown id.
const DialogTemplate& FindDialogTemplate(int id);
