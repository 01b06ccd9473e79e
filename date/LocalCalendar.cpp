#include "date/LocalCalendar.h"

#include <ctime>
#include <limits>

#include <time.h>

#include "date/Clock.h"

std::optional<std::chrono::year_month_day> LocalCalendar::DateOf(std::chrono::sys_seconds instant) {
    // Seconds since the system clock's epoch, which is the C library's; going through a
    // system_clock::time_point instead would overflow its nanoseconds a few centuries out.
    const auto seconds = instant.time_since_epoch().count();
    if (seconds < std::numeric_limits<std::time_t>::min() ||
        seconds > std::numeric_limits<std::time_t>::max()) {
        return std::nullopt;
    }
    const auto time = static_cast<std::time_t>(seconds);
    std::tm fields{};
#ifdef _WIN32
    _tzset();
    if (localtime_s(&fields, &time) != 0) {
        return std::nullopt;
    }
#else
    // The reentrant conversion does not look at the time zone setting again by itself.
    tzset();
    if (localtime_r(&time, &fields) == nullptr) {
        return std::nullopt;
    }
#endif
    const long long year = static_cast<long long>(fields.tm_year) + 1900;
    if (year < static_cast<int>(std::chrono::year::min()) ||
        year > static_cast<int>(std::chrono::year::max())) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{
        std::chrono::year{static_cast<int>(year)},
        std::chrono::month{static_cast<unsigned>(fields.tm_mon + 1)},
        std::chrono::day{static_cast<unsigned>(fields.tm_mday)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return date;
}

std::optional<std::chrono::year_month_day> LocalCalendar::Today() {
    return DateOf(Clock::Now());
}
