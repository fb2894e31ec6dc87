// Calendar arithmetic of automation dates (days since 1899-12-30 00:00) in the proleptic
// Gregorian calendar: pure functions with no OS call and no state, shared by every program.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

constexpr int64_t kSecondsPerDay = 86400;
// 1899-12-30, the automation day 0, counted in days from 1970-01-01.
constexpr int64_t kAutomationEpoch = -25569;

// A broken-down date and time of day (to the second).
struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct CivilDate {
    int year;
    int month;
    int day;
};

// Days from 1970-01-01 to the date.
constexpr int64_t DaysFromCivil(int year, int month, int day) {
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t mp = month > 2 ? month - 3 : month + 9;
    const int64_t doy = (153 * mp + 2) / 5 + day - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The date that lies the given number of days after 1970-01-01.
constexpr CivilDate CivilFromDays(int64_t days) {
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const int64_t m = mp < 10 ? mp + 3 : mp - 9;
    return CivilDate{static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0)), static_cast<int>(m),
                     static_cast<int>(d)};
}

// An automation day count as seconds since 1899-12-30 00:00 on one continuous scale, rounded to
// the nearest second. The integer part counts days (toward zero) and the fraction is the time
// of day also for negative counts, so -1.25 is 06:00 of 1899-12-29. The count must be finite
// and within a few million days.
inline int64_t AutomationSeconds(double days) {
    const double whole = std::trunc(days);
    return static_cast<int64_t>(whole) * kSecondsPerDay +
           std::llround(std::fabs(days - whole) * static_cast<double>(kSecondsPerDay));
}

// The automation day count of a day (counted from 1899-12-30) and a time of day in seconds;
// before 1899-12-30 the fraction still counts the time of day.
inline double AutomationDays(int64_t day, int64_t secondOfDay) {
    const double fraction = static_cast<double>(secondOfDay) / static_cast<double>(kSecondsPerDay);
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

// The date and time of day of a count of seconds since 1899-12-30 00:00. Whole days count
// toward minus infinity, so the time of day is never negative.
inline CivilTime CivilTimeOfSeconds(int64_t seconds) {
    int64_t day = seconds / kSecondsPerDay;
    int64_t secondOfDay = seconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --day;
    }
    const CivilDate date = CivilFromDays(day + kAutomationEpoch);
    return CivilTime{date.year,
                     date.month,
                     date.day,
                     static_cast<int>(secondOfDay / 3600),
                     static_cast<int>(secondOfDay / 60 % 60),
                     static_cast<int>(secondOfDay % 60)};
}

// The automation day count of a date and time of day.
inline double AutomationDaysOf(const CivilTime& civil) {
    return AutomationDays(DaysFromCivil(civil.year, civil.month, civil.day) - kAutomationEpoch,
                          civil.hour * 3600 + civil.minute * 60 + civil.second);
}

// The pattern with %Y (four digits), %m, %d, %H, %M and %S (two digits) replaced by the
// time's fields and %% by %; every other character, and any other %x, stays as it is.
inline std::string FormatCivilTime(const CivilTime& time, std::string_view pattern) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out += pattern[i];
            continue;
        }
        int value = 0;
        int width = 2;
        switch (pattern[++i]) {
            case 'Y':
                value = time.year;
                width = 4;
                break;
            case 'm':
                value = time.month;
                break;
            case 'd':
                value = time.day;
                break;
            case 'H':
                value = time.hour;
                break;
            case 'M':
                value = time.minute;
                break;
            case 'S':
                value = time.second;
                break;
            case '%':
                out += '%';
                continue;
            default:
                out += '%';
                out += pattern[i];
                continue;
        }
        char digits[16];
        std::snprintf(digits, sizeof digits, "%0*d", width, value);
        out += digits;
    }
    return out;
}
