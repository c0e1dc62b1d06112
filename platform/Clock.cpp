#include "platform/Clock.h"

#include <ctime>

namespace platform {
namespace {
std::optional<LocalDateTime> gFixed;
}

void SetFixedClock(std::optional<LocalDateTime> fixed) {
    gFixed = fixed;
}

LocalDateTime Now() {
    if (gFixed) {
        return *gFixed;
    }
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    LocalDateTime now;
    now.year = tm.tm_year + 1900;
    now.month = tm.tm_mon + 1;
    now.day = tm.tm_mday;
    now.hour = tm.tm_hour;
    now.minute = tm.tm_min;
    now.second = tm.tm_sec;
    now.dayOfWeek = tm.tm_wday;
    return now;
}

} // namespace platform
