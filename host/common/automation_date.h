// Calendar dates and times to automation dates (days since 1899-12-30 00:00), and the
// strict parsers for the date and time texts that logs carry.
#pragma once

#include <optional>
#include <string_view>

// The calendar arithmetic is the plug-in's own header: pure functions that hold no plug-in state.
#include "platform/calendar.h"

double ToAutomationDate(const CivilTime& time);

// The calendar date of an automation date (the time of day dropped).
CivilTime FromAutomationDate(double days);

// "YYYYMMDD" (ADIF) or "YYYY-MM-DD" (Cabrillo, options); nullopt when not a real date.
std::optional<CivilTime> ParseDate(std::string_view text);

// "HHMM" or "HHMMSS"; fills hour, minute and second of an existing date.
bool ParseTimeOfDay(std::string_view text, CivilTime* time);
