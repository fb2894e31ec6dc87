// Times as the results show them: "YYYY-MM-DD HH:MM", UTC.
#pragma once

#include <cstdint>
#include <string>

// An automation date to the minute (the seconds dropped).
std::string FormatUtcMinute(double days);
// A logged time with the log's clock offset (logged minus true time, minutes) taken out.
double CorrectedDays(double days, int clockOffsetMinutes);
// "HH:MM" of a time in seconds since 1899-12-30 00:00, UTC.
std::string FormatUtcClock(std::int64_t seconds);
