#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDate>
#include <QLineEdit>
#include <QTextCharFormat>

#include "app/toolkit/CMonthCalCtrl.h"

namespace {

using namespace std::chrono;

// A calendar limited to the years 2000 to 2010 with 5 December 2006 selected.
class MonthCalendar : public ::testing::Test {
protected:
    void SetUp() override {
        control.Attach(&widget);
        ASSERT_TRUE(control.SetRange(2000y / January / 1, 2010y / December / 31));
        ASSERT_TRUE(control.SetCurSel(2006y / December / 5));
    }
    year_month_day Selected() const {
        year_month_day date;
        EXPECT_TRUE(control.GetCurSel(date));
        return date;
    }

    QCalendarWidget widget;
    CMonthCalCtrl control;
};

struct SelectCase {
    const char* name;
    year_month_day date;
    bool selected;
};

class MonthCalendarSelect : public MonthCalendar,
                            public ::testing::WithParamInterface<SelectCase> {};

TEST_P(MonthCalendarSelect, SelectsDaysInTheRangeOnlyAndTurnsToTheirMonth) {
    EXPECT_EQ(control.SetCurSel(GetParam().date), GetParam().selected);
    const year_month_day expected = GetParam().selected ? GetParam().date : 2006y / December / 5;
    EXPECT_EQ(Selected(), expected);
    EXPECT_EQ(widget.yearShown(), static_cast<int>(expected.year()));
    EXPECT_EQ(widget.monthShown(), static_cast<int>(unsigned{expected.month()}));
}

INSTANTIATE_TEST_SUITE_P(Cases, MonthCalendarSelect,
                         ::testing::Values(SelectCase{"OtherMonth", 2007y / March / 1, true},
                                           SelectCase{"FirstDay", 2000y / January / 1, true},
                                           SelectCase{"LastDay", 2010y / December / 31, true},
                                           SelectCase{"DayBeforeRange", 1999y / December / 31,
                                                      false},
                                           SelectCase{"DayAfterRange", 2011y / January / 1, false},
                                           SelectCase{"NoSuchDay", 2007y / February / 29, false},
                                           SelectCase{"Unset", year_month_day{}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonthCalendar, RangeIsKeptAndASelectionOutsideANewRangeMovesToTheNearerEnd) {
    year_month_day first;
    year_month_day last;
    ASSERT_TRUE(control.GetRange(first, last));
    EXPECT_EQ(first, 2000y / January / 1);
    EXPECT_EQ(last, 2010y / December / 31);

    EXPECT_FALSE(control.SetRange(2008y / January / 1, 2007y / January / 1)) << "wrong order";
    EXPECT_FALSE(control.SetRange(2007y / February / 29, 2008y / January / 1)) << "no such day";
    ASSERT_TRUE(control.GetRange(first, last));
    EXPECT_EQ(first, 2000y / January / 1) << "a refused range changes nothing";

    EXPECT_TRUE(control.SetRange(2008y / January / 1, 2009y / June / 30));
    EXPECT_EQ(Selected(), 2008y / January / 1);
    EXPECT_TRUE(control.SetRange(2001y / January / 1, 2003y / June / 30));
    EXPECT_EQ(Selected(), 2003y / June / 30);
}

TEST_F(MonthCalendar, MarksOneDayAsToday) {
    EXPECT_FALSE(control.GetToday());
    EXPECT_TRUE(control.SetToday(2006y / December / 5));
    EXPECT_TRUE(widget.dateTextFormat(QDate(2006, 12, 5)).fontUnderline());
    EXPECT_TRUE(control.SetToday(2006y / December / 6));
    EXPECT_EQ(control.GetToday(), 2006y / December / 6);
    EXPECT_TRUE(widget.dateTextFormat(QDate(2006, 12, 6)).fontUnderline());
    EXPECT_FALSE(widget.dateTextFormat(QDate(2006, 12, 5)).fontUnderline()) << "mark moved";
    EXPECT_FALSE(control.SetToday(2007y / February / 29));
}

TEST(MonthCalendarBinding, DoesNothingWithoutACalendar) {
    CMonthCalCtrl control;
    QLineEdit notACalendar;
    control.Attach(&notACalendar);
    EXPECT_FALSE(control.IsAttached());
    year_month_day date = 2006y / December / 5;
    EXPECT_FALSE(control.GetCurSel(date));
    EXPECT_FALSE(control.SetCurSel(date));
    EXPECT_FALSE(control.SetRange(date, date));
    EXPECT_EQ(date, 2006y / December / 5);

    QCalendarWidget widget;
    control.Attach(&widget);
    EXPECT_TRUE(control.IsAttached());
    control.Detach();
    EXPECT_FALSE(control.IsAttached());
    EXPECT_FALSE(control.GetCurSel(date));
}

} // namespace
