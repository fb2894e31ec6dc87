// Calendar dates and times to automation dates (days since 1899-12-30 00:00), and the
// strict parsers for the date and time texts that logs carry.
#pragma once

#include <optional>
#include <string_view>

struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

double ToAutomationDate(const CalendarTime& time);

// The calendar date of an automation date (the time of day dropped).
CalendarTime FromAutomationDate(double days);

// "YYYYMMDD" (ADIF) or "YYYY-MM-DD" (Cabrillo, options); nullopt when not a real date.
std::optional<CalendarTime> ParseDate(std::string_view text);

// "HHMM" or "HHMMSS"; fills hour, minute and second of an existing date.
bool ParseTimeOfDay(std::string_view text, CalendarTime* time);
