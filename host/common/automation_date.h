// Calendar dates and times to automation dates (days since 1899-12-30 00:00) and back, the
// one formatter of automation dates as text, and the strict parsers for the date and time
// texts that logs carry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The calendar arithmetic is the plug-in's own header: pure functions that hold no plug-in state.
#include "platform/calendar.h"

double ToAutomationDate(const CivilTime& time);

// The calendar date of an automation date (the time of day dropped).
CivilTime FromAutomationDate(double days);

// The date and time of day of an automation date rounded to the nearest second, so that
// 16:59:59.9999 is 17:00:00 and never 16:59:60 or the day before.
CivilTime CivilTimeOf(double days);

// An automation date as text, rounded to the nearest second: in the pattern %Y stands for the
// four-digit year and %m, %d, %H, %M and %S for the two-digit month, day, hour, minute and
// second; every other character stands as it is ("%Y-%m-%d %H:%M": "2026-12-07 18:05").
std::string FormatAutomationDate(double days, std::string_view pattern);

// "YYYYMMDD" (ADIF) or "YYYY-MM-DD" (Cabrillo, options); nullopt when not a real date.
std::optional<CivilTime> ParseDate(std::string_view text);

// "HHMM" or "HHMMSS"; fills hour, minute and second of an existing date.
bool ParseTimeOfDay(std::string_view text, CivilTime* time);
