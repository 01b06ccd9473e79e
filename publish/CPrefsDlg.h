#pragma once

#include <string>

#include "app/toolkit/CDialog.h"

// The Preferences dialog: the five FTP settings in five edits. It has no command of its own:
// "Return" and the Enter key take the edited texts into the members, Escape and the close box
// leave the members as they were.
class CPrefsDlg final : public CDialog {
public:
    explicit CPrefsDlg(CDialog* parent = nullptr);

    std::string m_strPassword;
    std::string m_strFileName;
    std::string m_strFolder;
    std::string m_strUsername;
    std::string m_strServer;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
