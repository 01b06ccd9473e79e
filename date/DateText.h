#pragma once

#include <chrono>
#include <optional>
#include <string>

// The Modified date as text: the year without padding, "-", the two-digit month, "-", the
// two-digit day (5 December 2006 is "2006-12-05").
class DateText {
public:
    // The days whose text is a sitemap's last-modification date: the W3C date form needs
    // exactly four year digits, and the text pads no year, so the years 1000 to 9999.
    static constexpr std::chrono::year_month_day kFirstDay{
        std::chrono::year{1000}, std::chrono::January, std::chrono::day{1}};
    static constexpr std::chrono::year_month_day kLastDay{
        std::chrono::year{9999}, std::chrono::December, std::chrono::day{31}};

    static std::string Format(int year, int month, int day);
    // The text of `date`; none for a day that does not exist or lies outside kFirstDay to
    // kLastDay.
    static std::optional<std::string> FromDate(const std::chrono::year_month_day& date);
};
