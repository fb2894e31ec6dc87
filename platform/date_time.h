// Automation dates as the host passes them: days since 1899-12-30 00:00 plus a status word,
// and their formatting with the few strftime-style patterns the plug-in writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/calendar.h"

// Layout fixed by the host: 16 bytes, the status at offset 8.
struct DateTime {
    double days;
    int32_t status;
};
static_assert(sizeof(DateTime) == 16, "the host passes 16-byte date-times");
static_assert(offsetof(DateTime, status) == 8, "the status word sits at offset 8");

enum DateTimeStatus : int32_t { kDateValid = 0, kDateInvalid = 1, kDateNull = 2 };

// Fails (returns false) for a status other than valid and for a day count outside
// the automation range (years 100 to 9999) or not a number.
bool ToCivilTime(const DateTime& value, CivilTime* out);

// The automation day count of a calendar date and time (inverse of ToCivilTime).
double ToAutomationDays(const CivilTime& civil);

// Formats with %Y %m %d %H %M %S (other characters are copied). A null or invalid
// date-time, or one outside the automation range, gives zeros in every field
// ("0000-00-00 0000"), which reads as no date and is safe in a file name.
std::string FormatDateTime(const DateTime& value, const char* pattern);

// The host's date-time pointer, with a null pointer read as a null date-time.
DateTime ReadDateTime(const DateTime* value);
