// Conversion of automation dates to calendar time and their formatting.
#include "platform/date_time.h"

#include <cmath>
#include <cstdio>

#include "platform/calendar.h"

namespace {

constexpr double kMinDays = -657434.0;  // 0100-01-01
constexpr double kMaxDays = 2958466.0;  // 10000-01-01, exclusive

void AppendNumber(std::string& out, int value, int width) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*d", width, value);
    out += digits;
}

}  // namespace

bool ToCivilTime(const DateTime& value, CivilTime* out) {
    if (value.status != kDateValid || !std::isfinite(value.days) || value.days < kMinDays ||
        value.days >= kMaxDays) {
        return false;
    }
    const int64_t seconds = AutomationSeconds(value.days);
    int64_t day = seconds / kSecondsPerDay;
    int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --day;
    }
    const CivilDate date = CivilFromDays(day + kAutomationEpoch);
    out->year = date.year;
    out->month = date.month;
    out->day = date.day;
    out->hour = static_cast<int>(secondOfDay / 3600);
    out->minute = static_cast<int>(secondOfDay / 60 % 60);
    out->second = static_cast<int>(secondOfDay % 60);
    return out->year >= 100 && out->year <= 9999;
}

double ToAutomationDays(const CivilTime& civil) {
    return AutomationDays(DaysFromCivil(civil.year, civil.month, civil.day) - kAutomationEpoch,
                          civil.hour * 3600 + civil.minute * 60 + civil.second);
}

std::string FormatDateTime(const DateTime& value, const char* pattern) {
    CivilTime t{};
    const bool known = ToCivilTime(value, &t);
    if (!known) {
        t = CivilTime{0, 0, 0, 0, 0, 0};
    }
    std::string out;
    for (const char* p = pattern; p != nullptr && *p != '\0'; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        ++p;
        switch (*p) {
            case 'Y':
                AppendNumber(out, t.year, 4);
                break;
            case 'm':
                AppendNumber(out, t.month, 2);
                break;
            case 'd':
                AppendNumber(out, t.day, 2);
                break;
            case 'H':
                AppendNumber(out, t.hour, 2);
                break;
            case 'M':
                AppendNumber(out, t.minute, 2);
                break;
            case 'S':
                AppendNumber(out, t.second, 2);
                break;
            case '%':
                out += '%';
                break;
            default:
                out += '%';
                out += *p;
        }
    }
    return out;
}

DateTime ReadDateTime(const DateTime* value) {
    return value != nullptr ? *value : DateTime{0.0, kDateNull};
}
