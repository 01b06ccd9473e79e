#include "publish/CPrefsDlg.h"

#include "app/toolkit/CDataExchange.h"
#include "res/Resources.h"

CPrefsDlg::CPrefsDlg(CDialog* parent) : CDialog(IDD_PREFS_DIALOG, parent) {}

void CPrefsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_EDIT_PASSWORD, m_strPassword);
    DDX_Text(pDX, IDC_EDIT_FILENAME, m_strFileName);
    DDX_Text(pDX, IDC_EDIT_FOLDER, m_strFolder);
    DDX_Text(pDX, IDC_EDIT_USERNAME, m_strUsername);
    DDX_Text(pDX, IDC_EDIT_SERVER, m_strServer);
}
