// Conversion of automation dates to calendar time and their formatting.
#include "platform/date_time.h"

#include <cmath>
#include <cstdio>

namespace {

// 1899-12-30 counted in days from 1970-01-01.
constexpr int64_t kAutomationEpoch = -25569;
constexpr double kMinDays = -657434.0;  // 0100-01-01
constexpr double kMaxDays = 2958466.0;  // 10000-01-01, exclusive
constexpr int kSecondsPerDay = 86400;

// Days since 1970-01-01 to year, month, day (proleptic Gregorian calendar).
void CivilFromDays(int64_t z, int* year, int* month, int* day) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    *year = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    *month = static_cast<int>(m);
    *day = static_cast<int>(d);
}

int64_t DaysFromCivil(int year, int month, int day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month > 2 ? month - 3 : month + 9;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

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
    // The integer part counts days (toward zero); the fraction is the time of day for
    // negative counts as well, so -1.25 is 1899-12-29 06:00.
    double whole = std::trunc(value.days);
    int64_t seconds = std::llround(std::fabs(value.days - whole) * kSecondsPerDay);
    int64_t day = static_cast<int64_t>(whole);
    if (seconds >= kSecondsPerDay) {
        seconds -= kSecondsPerDay;
        day += 1;
    }
    CivilFromDays(day + kAutomationEpoch, &out->year, &out->month, &out->day);
    out->hour = static_cast<int>(seconds / 3600);
    out->minute = static_cast<int>(seconds / 60 % 60);
    out->second = static_cast<int>(seconds % 60);
    return out->year >= 100 && out->year <= 9999;
}

double ToAutomationDays(const CivilTime& civil) {
    const int64_t day = DaysFromCivil(civil.year, civil.month, civil.day) - kAutomationEpoch;
    const double fraction = (civil.hour * 3600 + civil.minute * 60 + civil.second) /
                            static_cast<double>(kSecondsPerDay);
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
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
