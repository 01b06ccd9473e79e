#pragma once

#include <string>

// The Modified date as text: the year without padding, "-", the two-digit month, "-", the
// two-digit day (5 December 2006 is "2006-12-05").
class DateText {
public:
    static std::string Format(int year, int month, int day);
};
