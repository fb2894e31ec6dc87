// Formatting through whole seconds, so that 16:59:59.9999 never shows as 16:59 of the
// next day's date or as 16:60.
#include "host/check/time_text.h"

#include <cmath>
#include <cstdio>

#include "host/common/automation_date.h"

std::string FormatUtcMinute(double days) {
    const auto seconds = static_cast<long long>(std::llround(days * 86400.0));
    const long long day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const long long secondOfDay = seconds - day * 86400;
    const CivilTime date = FromAutomationDate(static_cast<double>(day));
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02lld:%02lld", date.year, date.month,
                  date.day, secondOfDay / 3600, secondOfDay / 60 % 60);
    return text;
}
