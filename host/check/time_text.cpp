// The results' pattern for the hosts' one formatter of automation dates.
#include "host/check/time_text.h"

#include <cstdint>

#include "host/common/automation_date.h"

std::string FormatUtcMinute(double days) {
    return FormatAutomationDate(days, "%Y-%m-%d %H:%M");
}

double CorrectedDays(double days, int clockOffsetMinutes) {
    return days + static_cast<double>(-std::int64_t{clockOffsetMinutes} * 60) / 86400.0;
}

std::string FormatUtcClock(std::int64_t seconds) {
    const std::int64_t day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    return FormatAutomationDate(AutomationDays(day, seconds - day * 86400), "%H:%M");
}
