#include "date/Clock.h"

#include <optional>

namespace {
std::optional<std::chrono::sys_seconds> g_fixed;
} // namespace

std::chrono::sys_seconds Clock::Now() {
    if (g_fixed) {
        return *g_fixed;
    }
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

void Clock::Set(std::chrono::sys_seconds instant) {
    g_fixed = instant;
}

void Clock::Reset() {
    g_fixed.reset();
}
