// Times as the results show them: "YYYY-MM-DD HH:MM", UTC.
#pragma once

#include <string>

// An automation date to the minute (the seconds dropped).
std::string FormatUtcMinute(double days);
// A logged time with the log's clock offset (logged minus true time, minutes) taken out.
double CorrectedDays(double days, int clockOffsetMinutes);
