// Automation dates of calendar dates and times, and the strict parsers for the log texts.
#include "host/common/automation_date.h"

#include <cmath>

namespace {

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

double ToAutomationDate(const CivilTime& time) {
    return AutomationDaysOf(time);
}

CivilTime FromAutomationDate(double days) {
    const CivilDate date = CivilFromDays(static_cast<int64_t>(std::floor(days)) + kAutomationEpoch);
    CivilTime civil;
    civil.year = date.year;
    civil.month = date.month;
    civil.day = date.day;
    return civil;
}

CivilTime CivilTimeOf(double days) {
    return CivilTimeOfSeconds(AutomationSeconds(days));
}

std::string FormatAutomationDate(double days, std::string_view pattern) {
    return FormatCivilTime(CivilTimeOf(days), pattern);
}

std::optional<CivilTime> ParseDate(std::string_view text) {
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
    CivilTime time;
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

bool ParseTimeOfDay(std::string_view text, CivilTime* time) {
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
