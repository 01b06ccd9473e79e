#include "app/CSitemapDlg.h"

#include "date/CDateDlg.h"
#include "date/DateText.h"
#include "date/LocalCalendar.h"

void CSitemapDlg::OnButtonToday() {
    // The other fields keep what the user typed.
    UpdateData(true);
    m_strModified.clear();
    if (const auto today = LocalCalendar::Today()) {
        m_strModified = DateText::FromDate(*today).value_or("");
    }
    UpdateData(false);
}

void CSitemapDlg::OnButtonSelect() {
    UpdateData(true);
    m_strModified.clear();
    CDateDlg dlgDate(this);
    if (const auto today = LocalCalendar::Today()) {
        dlgDate.m_dateSelected = *today;
    }
    // The dialog hands out a day however it closed, so its result does not matter; if it could
    // not open at all, the day is still today.
    dlgDate.DoModal();
    m_strModified = DateText::FromDate(dlgDate.m_dateSelected).value_or("");
    UpdateData(false);
}
