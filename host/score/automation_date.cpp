// Civil-calendar arithmetic for automation dates (proleptic Gregorian calendar).
#include "host/score/automation_date.h"

#include <cmath>

namespace {

// Days from 1970-01-01 to the given civil date.
long DaysFromCivil(int year, int month, int day) {
    const long y = year - (month <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long mp = (month + 9) % 12;
    const long doy = (153 * mp + 2) / 5 + day - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

constexpr long kUnixEpochInAutomationDays = 25569;

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return !text.empty();
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

int DaysInMonth(int year, int month) {
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

double ToAutomationDate(const CalendarTime& time) {
    const long days = DaysFromCivil(time.year, time.month, time.day) + kUnixEpochInAutomationDays;
    const int seconds = time.hour * 3600 + time.minute * 60 + time.second;
    return static_cast<double>(days) + seconds / 86400.0;
}

CalendarTime FromAutomationDate(double days) {
    const long z = static_cast<long>(std::floor(days)) - kUnixEpochInAutomationDays + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    CalendarTime civil;
    civil.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    civil.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    civil.year = static_cast<int>(yoe + era * 400 + (civil.month <= 2 ? 1 : 0));
    return civil;
}

std::optional<CalendarTime> ParseDate(std::string_view text) {
    std::string_view y, m, d;
    if (text.size() == 8) {
        y = text.substr(0, 4);
        m = text.substr(4, 2);
        d = text.substr(6, 2);
    } else if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        y = text.substr(0, 4);
        m = text.substr(5, 2);
        d = text.substr(8, 2);
    } else {
        return std::nullopt;
    }
    if (!AllDigits(y) || !AllDigits(m) || !AllDigits(d)) {
        return std::nullopt;
    }
    CalendarTime time;
    time.year = Number(y);
    time.month = Number(m);
    time.day = Number(d);
    // The automation range starts in year 100; logs start far later.
    if (time.year < 1900 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysInMonth(time.year, time.month)) {
        return std::nullopt;
    }
    return time;
}

bool ParseTimeOfDay(std::string_view text, CalendarTime* time) {
    if ((text.size() != 4 && text.size() != 6) || !AllDigits(text)) {
        return false;
    }
    const int hour = Number(text.substr(0, 2));
    const int minute = Number(text.substr(2, 2));
    const int second = text.size() == 6 ? Number(text.substr(4, 2)) : 0;
    if (hour > 23 || minute > 59 || second > 59) {
        return false;
    }
    time->hour = hour;
    time->minute = minute;
    time->second = second;
    return true;
}
