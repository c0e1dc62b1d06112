#pragma once
// Current local date and time. Tests fix the clock with SetFixedClock.

#include <optional>

namespace platform {

struct LocalDateTime {
    int year = 0;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    int dayOfWeek = 0; // 0 = Sunday .. 6 = Saturday
};

LocalDateTime Now();

// A fixed time for every later Now(); std::nullopt returns to the real clock.
void SetFixedClock(std::optional<LocalDateTime> fixed);

} // namespace platform
