// The results' pattern for the hosts' one formatter of automation dates.
#include "host/check/time_text.h"

#include "host/common/automation_date.h"

std::string FormatUtcMinute(double days) {
    return FormatAutomationDate(days, "%Y-%m-%d %H:%M");
}
