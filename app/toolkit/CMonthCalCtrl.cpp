#include "app/toolkit/CMonthCalCtrl.h"

#include <QCalendarWidget>
#include <QDate>
#include <QFont>
#include <QTextCharFormat>

#include "app/toolkit/CDataExchange.h"
#include "app/toolkit/CDialog.h"

namespace {

// An invalid QDate for a day that does not exist. Years before 1 are refused: QDate has no
// year 0, so its earlier years are numbered differently from the standard calendar's.
QDate ToQDate(const std::chrono::year_month_day& date) {
    if (!date.ok() || static_cast<int>(date.year()) < 1) {
        return {};
    }
    return QDate(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                 static_cast<int>(unsigned{date.day()}));
}

std::chrono::year_month_day FromQDate(QDate date) {
    return {std::chrono::year{date.year()}, std::chrono::month{static_cast<unsigned>(date.month())},
            std::chrono::day{static_cast<unsigned>(date.day())}};
}

bool Select(QCalendarWidget& calendar, const std::chrono::year_month_day& date) {
    const QDate day = ToQDate(date);
    if (!day.isValid() || day < calendar.minimumDate() || day > calendar.maximumDate()) {
        return false;
    }
    calendar.setSelectedDate(day);
    calendar.setCurrentPage(day.year(), day.month());
    return true;
}

} // namespace

void CMonthCalCtrl::Attach(QWidget* widget) {
    m_calendar = qobject_cast<QCalendarWidget*>(widget);
    m_today.reset();
}

void CMonthCalCtrl::Detach() {
    m_calendar = nullptr;
    m_today.reset();
}

bool CMonthCalCtrl::SetCurSel(const std::chrono::year_month_day& date) {
    return m_calendar != nullptr && Select(*m_calendar, date);
}

bool CMonthCalCtrl::GetCurSel(std::chrono::year_month_day& date) const {
    if (m_calendar == nullptr) {
        return false;
    }
    date = FromQDate(m_calendar->selectedDate());
    return true;
}

bool CMonthCalCtrl::SetRange(const std::chrono::year_month_day& first,
                             const std::chrono::year_month_day& last) {
    const QDate from = ToQDate(first);
    const QDate to = ToQDate(last);
    if (m_calendar == nullptr || !from.isValid() || !to.isValid() || to < from) {
        return false;
    }
    m_calendar->setDateRange(from, to);
    return true;
}

bool CMonthCalCtrl::GetRange(std::chrono::year_month_day& first,
                             std::chrono::year_month_day& last) const {
    if (m_calendar == nullptr) {
        return false;
    }
    first = FromQDate(m_calendar->minimumDate());
    last = FromQDate(m_calendar->maximumDate());
    return true;
}

bool CMonthCalCtrl::SetToday(const std::chrono::year_month_day& date) {
    const QDate day = ToQDate(date);
    if (m_calendar == nullptr || !day.isValid()) {
        return false;
    }
    if (m_today) {
        m_calendar->setDateTextFormat(ToQDate(*m_today), QTextCharFormat());
    }
    QTextCharFormat mark;
    mark.setFontWeight(QFont::Bold);
    mark.setFontUnderline(true);
    m_calendar->setDateTextFormat(day, mark);
    m_today = date;
    return true;
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, std::chrono::year_month_day& value) {
    auto* calendar = qobject_cast<QCalendarWidget*>(pDX->m_pDlgWnd->GetDlgItem(nIDC));
    if (calendar == nullptr) {
        return;
    }
    if (pDX->m_bSaveAndValidate) {
        value = FromQDate(calendar->selectedDate());
    } else {
        Select(*calendar, value);
    }
}
