// The rate figures of the results summary: scoring QSOs and their points in the hour and in
// the ten minutes that end at the time of the scoring QSO logged last. Only QSOs that count
// end or fill the windows: a wrong-band or duplicate QSO, or a QSO whose time lies after
// that end (a mistyped time), moves nothing. Computed from the log alone (no wall clock), so
// the same log always gives the same figures.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/date_time.h"

struct RateFigures {
    int qsosInHour = 0;
    int qsosInTenMinutes = 0;
    int pointsInHour = 0;
    int pointsInTenMinutes = 0;
};

// Collects the scoring QSOs of one summary pass, in log order.
class RateCounter {
  public:
    // A scoring QSO with its points; one without a valid time counts in no window.
    void AddScoringQso(const DateTime& time, int points);
    RateFigures Figures() const;

  private:
    struct Sample {
        int64_t second;
        int points;
    };
    // The time of the last scoring QSO with a valid time: the windows end there.
    std::optional<int64_t> m_end;
    std::vector<Sample> m_samples;
};

// A valid date-time as seconds on one continuous scale (rounded to the second); nothing
// for an invalid or null one, or a day count that is no date.
std::optional<int64_t> QsoSecond(const DateTime& time);
