#include "date/CDateDlg.h"

#include "app/toolkit/CDataExchange.h"
#include "date/DateText.h"
#include "date/LocalCalendar.h"
#include "res/Resources.h"

CDateDlg::CDateDlg(CDialog* pParent) : CDialog(IDD_DATE_DIALOG, pParent) {}

CDateDlg::~CDateDlg() = default;

void CDateDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONTHCALENDAR, m_ctlCalendar);
    DDX_MonthCalCtrl(pDX, IDC_MONTHCALENDAR, m_dateSelected);
}

bool CDateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Only days whose text is a valid last-modification date are offered, so no pick can give
    // a text the sitemap cannot carry; a day handed in outside them moves to the nearer end.
    m_ctlCalendar.SetRange(DateText::kFirstDay, DateText::kLastDay);
    if (const auto today = LocalCalendar::Today()) {
        m_ctlCalendar.SetToday(*today);
    }
    return true;
}

void CDateDlg::OnDestroy() {
    CDialog::OnDestroy();
    // Every way of closing ends here, so each of them hands out the day shown as selected.
    UpdateData(true);
}
