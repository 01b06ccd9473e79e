#pragma once

#include <chrono>

#include "app/toolkit/CDialog.h"
#include "app/toolkit/CMonthCalCtrl.h"

// The date dialog: a month calendar and Return. The day handed in is selected when it opens;
// however the dialog closes (Return, Enter, Escape, the close box), the day then shown as
// selected is handed out.
class CDateDlg final : public CDialog {
public:
    explicit CDateDlg(CDialog* pParent = nullptr);
    ~CDateDlg() override;

    bool OnInitDialog() override;
    void OnDestroy() override;

    CMonthCalCtrl m_ctlCalendar;
    std::chrono::year_month_day m_dateSelected{};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
