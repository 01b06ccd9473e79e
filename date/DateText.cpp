#include "date/DateText.h"

namespace {

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? "0" + text : text;
}

} // namespace

std::string DateText::Format(int year, int month, int day) {
    return std::to_string(year) + "-" + TwoDigits(month) + "-" + TwoDigits(day);
}

std::optional<std::string> DateText::FromDate(const std::chrono::year_month_day& date) {
    if (!date.ok() || date < kFirstDay || date > kLastDay) {
        return std::nullopt;
    }
    return Format(static_cast<int>(date.year()), static_cast<int>(unsigned{date.month()}),
                  static_cast<int>(unsigned{date.day()}));
}
