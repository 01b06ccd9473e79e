#include "date/DateText.h"

#include <chrono>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

struct TextCase {
    const char* name;
    year_month_day date;
    std::optional<std::string> text;
};

class DateTextOfDay : public ::testing::TestWithParam<TextCase> {};

TEST_P(DateTextOfDay, IsYearDashTwoDigitMonthDashTwoDigitDayOrNothing) {
    EXPECT_EQ(DateText::FromDate(GetParam().date), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTextOfDay,
    ::testing::Values(TextCase{"MonthTwoDigitsDayPadded", 2006y / December / 5, "2006-12-05"},
                      TextCase{"MonthPadded", 2007y / January / 9, "2007-01-09"},
                      TextCase{"NothingPadded", 2010y / October / 31, "2010-10-31"},
                      TextCase{"LeapDay", 2000y / February / 29, "2000-02-29"},
                      TextCase{"BeforeTheOldEpoch", 1969y / December / 31, "1969-12-31"},
                      TextCase{"AfterTheOld32BitEnd", 2038y / January / 20, "2038-01-20"},
                      TextCase{"FirstDay", 1000y / January / 1, "1000-01-01"},
                      TextCase{"LastDay", 9999y / December / 31, "9999-12-31"},
                      TextCase{"ThreeDigitYear", 999y / December / 31, std::nullopt},
                      TextCase{"FiveDigitYear", year{10000} / January / 1, std::nullopt},
                      TextCase{"NoLeapDay", 2007y / February / 29, std::nullopt},
                      TextCase{"NoThirteenthMonth", year_month_day{2007y, month{13}, day{1}},
                               std::nullopt},
                      TextCase{"NoDayZero", year_month_day{2007y, March, day{0}}, std::nullopt},
                      TextCase{"Unset", year_month_day{}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DateText, OfferedSpanIsExactlyTheFourDigitYears) {
    EXPECT_EQ(DateText::kFirstDay, 1000y / January / 1);
    EXPECT_EQ(DateText::kLastDay, 9999y / December / 31);
    EXPECT_FALSE(DateText::FromDate(year_month_day{sys_days{DateText::kFirstDay} - days{1}}));
    EXPECT_FALSE(DateText::FromDate(year_month_day{sys_days{DateText::kLastDay} + days{1}}));
}

} // namespace
