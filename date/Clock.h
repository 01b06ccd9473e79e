#pragma once

#include <chrono>

// The one source of the current moment. Tests fix it to make "today" a day of their choosing.
class Clock {
public:
    // The current moment, to the second.
    static std::chrono::sys_seconds Now();
    // Fixes the current moment at `instant` until Reset().
    static void Set(std::chrono::sys_seconds instant);
    // Follows the system's clock again.
    static void Reset();
};
