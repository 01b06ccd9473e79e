#include "date/LocalCalendar.h"

#include <chrono>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <time.h>

#include "date/Clock.h"

namespace {

using namespace std::chrono;

// Each test chooses the process's time zone; the one it found comes back afterwards.
class TimeZoneTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        m_previous = zone != nullptr ? std::optional<std::string>(zone) : std::nullopt;
    }
    void TearDown() override {
        if (m_previous) {
            setenv("TZ", m_previous->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
        Clock::Reset();
    }
    static void UseZone(const char* zone) { setenv("TZ", zone, 1); }

private:
    std::optional<std::string> m_previous;
};

struct ZoneCase {
    const char* name;
    const char* zone; // POSIX rules, so that no zone database is needed
    sys_seconds instant;
    year_month_day date;
};

sys_seconds Utc(year_month_day date, int hour, int minute) {
    return sys_days{date} + hours{hour} + minutes{minute};
}

class LocalDate : public TimeZoneTest, public ::testing::WithParamInterface<ZoneCase> {};

TEST_P(LocalDate, IsTheDayTheLocalTimeZoneSees) {
    UseZone(GetParam().zone);
    EXPECT_EQ(LocalCalendar::DateOf(GetParam().instant), GetParam().date);
}

const char* const kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";

INSTANTIATE_TEST_SUITE_P(
    Cases, LocalDate,
    ::testing::Values(ZoneCase{"UtcLateEvening", "UTC0", Utc(2006y / December / 5, 23, 30),
                               2006y / December / 5},
                      ZoneCase{"AheadOfUtcAlreadyTomorrow", "JST-9",
                               Utc(2006y / December / 5, 23, 30), 2006y / December / 6},
                      ZoneCase{"BehindUtcStillYesterday", "EST5EDT", Utc(2007y / January / 9, 3, 0),
                               2007y / January / 8},
                      ZoneCase{"WinterOffsetKeepsTheDay", kCentralEurope,
                               Utc(2007y / January / 31, 22, 30), 2007y / January / 31},
                      ZoneCase{"SummerOffsetCrossesMidnight", kCentralEurope,
                               Utc(2007y / July / 31, 22, 30), 2007y / August / 1},
                      ZoneCase{"BeforeTheOldEpoch", "UTC0", Utc(1969y / December / 31, 12, 0),
                               1969y / December / 31},
                      ZoneCase{"PastTheOld32BitEnd", "UTC0",
                               Utc(2038y / January / 19, 3, 14) + seconds{8}, 2038y / January / 19},
                      ZoneCase{"FirstOfferedDay", "EST5EDT", Utc(1000y / January / 1, 12, 0),
                               1000y / January / 1},
                      ZoneCase{"LastOfferedDay", "JST-9", Utc(9999y / December / 31, 10, 0),
                               9999y / December / 31}),
    [](const auto& info) { return std::string(info.param.name); });

using LocalCalendarLimits = TimeZoneTest;

TEST_F(LocalCalendarLimits, InstantsNoCalendarYearHoldsGiveNoDate) {
    UseZone("UTC0");
    EXPECT_FALSE(
        LocalCalendar::DateOf(sys_seconds{seconds{std::numeric_limits<long long>::max()}}));
    EXPECT_FALSE(
        LocalCalendar::DateOf(sys_seconds{seconds{std::numeric_limits<long long>::min()}}));
    // About the year 43000: the C library converts it, a calendar year type does not hold it.
    EXPECT_FALSE(LocalCalendar::DateOf(sys_seconds{seconds{1'300'000'000'000LL}}));
}

TEST_F(LocalCalendarLimits, TodayIsTheLocalDayOfTheClocksMoment) {
    UseZone("JST-9");
    Clock::Set(Utc(2006y / December / 5, 23, 30));
    EXPECT_EQ(Clock::Now(), Utc(2006y / December / 5, 23, 30));
    EXPECT_EQ(LocalCalendar::Today(), 2006y / December / 6);

    Clock::Reset();
    const auto system = floor<seconds>(system_clock::now());
    EXPECT_LE(abs(Clock::Now() - system), minutes{1}) << "follows the system's clock again";
}

} // namespace
