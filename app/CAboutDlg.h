#pragma once

#include "app/toolkit/CDialog.h"

// The About box.
class CAboutDlg final : public CDialog {
public:
    explicit CAboutDlg(CDialog* parent = nullptr);
};
