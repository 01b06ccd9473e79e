#include "app/CAboutDlg.h"

#include "res/Resources.h"

CAboutDlg::CAboutDlg(CDialog* parent) : CDialog(IDD_ABOUTBOX, parent) {}
