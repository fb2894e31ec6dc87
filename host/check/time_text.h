// Times as the results show them: "YYYY-MM-DD HH:MM", UTC.
#pragma once

#include <string>

// An automation date to the minute (the seconds dropped).
std::string FormatUtcMinute(double days);
