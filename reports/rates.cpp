// Rate figures over the hour and the ten minutes before the scoring QSO logged last.
#include "reports/rates.h"

#include <cmath>

#include "platform/calendar.h"

namespace {

constexpr int64_t kHour = 3600;
constexpr int64_t kTenMinutes = 600;
// Day counts beyond this are no calendar dates (the automation range ends in year 9999).
constexpr double kLargestDayCount = 3.0e6;

}  // namespace

std::optional<int64_t> QsoSecond(const DateTime& time) {
    if (time.status != kDateValid || !std::isfinite(time.days) ||
        std::fabs(time.days) > kLargestDayCount) {
        return std::nullopt;
    }
    return AutomationSeconds(time.days);
}

void RateCounter::AddScoringQso(const DateTime& time, int points) {
    if (const std::optional<int64_t> second = QsoSecond(time)) {
        m_end = second;
        m_samples.push_back(Sample{*second, points});
    }
}

RateFigures RateCounter::Figures() const {
    RateFigures figures;
    if (!m_end) {
        return figures;
    }
    // A window holds the QSOs after its start and up to its end inclusive.
    for (const Sample& sample : m_samples) {
        const int64_t age = *m_end - sample.second;
        if (age < 0) {
            continue;
        }
        if (age < kHour) {
            ++figures.qsosInHour;
            figures.pointsInHour += sample.points;
        }
        if (age < kTenMinutes) {
            ++figures.qsosInTenMinutes;
            figures.pointsInTenMinutes += sample.points;
        }
    }
    return figures;
}
