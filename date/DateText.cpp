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
