#pragma once

#include <chrono>
#include <optional>

#include "app/toolkit/CControl.h"

class CDataExchange;
class QCalendarWidget;

// The month calendar control: one selected day, shown on its month's page, within a range of
// days the user can reach; today's day is marked. Days are proleptic Gregorian calendar days
// from the year 1 on.
class CMonthCalCtrl final : public CControl {
public:
    CMonthCalCtrl() = default;

    void Attach(QWidget* widget) override;
    void Detach() override;
    bool IsAttached() const override { return m_calendar != nullptr; }

    // Selects `date` and turns to its month; false, and nothing changes, for a day that does
    // not exist or lies outside the range.
    bool SetCurSel(const std::chrono::year_month_day& date);
    // The selected day; false when not attached.
    bool GetCurSel(std::chrono::year_month_day& date) const;

    // Limits the days the user can reach to `first` up to `last`; a selected day outside them
    // moves to the nearer end. False, and nothing changes, for days that do not exist or are in
    // the wrong order.
    bool SetRange(const std::chrono::year_month_day& first,
                  const std::chrono::year_month_day& last);
    bool GetRange(std::chrono::year_month_day& first, std::chrono::year_month_day& last) const;

    // The day marked as today (the calendar does not read any clock itself).
    bool SetToday(const std::chrono::year_month_day& date);
    std::optional<std::chrono::year_month_day> GetToday() const { return m_today; }

private:
    QCalendarWidget* m_calendar = nullptr;
    std::optional<std::chrono::year_month_day> m_today;
};

// The selected day of the month calendar `nIDC`, both ways; towards the control a day it
// cannot select leaves the selection as it is.
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, std::chrono::year_month_day& value);
