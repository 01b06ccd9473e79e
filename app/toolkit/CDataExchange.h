#pragma once

#include <string>

class CDialog;
class CControl;

// One data exchange between a dialog's members and its controls.
class CDataExchange {
public:
    CDataExchange(CDialog* dialog, bool saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* const m_pDlgWnd;
    // true: controls to members; false: members to controls.
    const bool m_bSaveAndValidate;
};

// An edit field's whole text, both ways.
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
// An editable drop-down box. To the control: the first list item that begins with the text,
// ignoring case, is selected and shown whole; otherwise the text itself is shown. From the
// control: the text shown.
void DDX_CBString(CDataExchange* pDX, int nIDC, std::string& value);
// Binds the control `nIDC` to its control object (the first exchange of each window does).
void DDX_Control(CDataExchange* pDX, int nIDC, CControl& control);
