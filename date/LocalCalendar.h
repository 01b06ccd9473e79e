#pragma once

#include <chrono>
#include <optional>

// Calendar days as the local time zone sees them.
class LocalCalendar {
public:
    // The local calendar day of `instant`, in the time zone the environment sets at the moment
    // of the call; none when the platform cannot place the instant in a calendar year.
    static std::optional<std::chrono::year_month_day> DateOf(std::chrono::sys_seconds instant);
    // The local calendar day of the clock's current moment.
    static std::optional<std::chrono::year_month_day> Today();
};
