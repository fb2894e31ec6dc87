// Conversion of automation dates to calendar time and their formatting.
#include "platform/date_time.h"

#include <cmath>

#include "platform/calendar.h"

namespace {

constexpr double kMinDays = -657434.0;  // 0100-01-01
constexpr double kMaxDays = 2958466.0;  // 10000-01-01, exclusive

}  // namespace

bool ToCivilTime(const DateTime& value, CivilTime* out) {
    if (value.status != kDateValid || !std::isfinite(value.days) || value.days < kMinDays ||
        value.days >= kMaxDays) {
        return false;
    }
    *out = CivilTimeOfSeconds(AutomationSeconds(value.days));
    return out->year >= 100 && out->year <= 9999;
}

double ToAutomationDays(const CivilTime& civil) {
    return AutomationDaysOf(civil);
}

std::string FormatDateTime(const DateTime& value, const char* pattern) {
    CivilTime time;
    if (!ToCivilTime(value, &time)) {
        time = CivilTime();
    }
    return FormatCivilTime(time, pattern != nullptr ? pattern : "");
}

DateTime ReadDateTime(const DateTime* value) {
    return value != nullptr ? *value : DateTime{0.0, kDateNull};
}
