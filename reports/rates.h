// The rate figures of the results summary: QSOs and points in the hour and in the ten
// minutes that end at the newest QSO time of the log. Computed from the log alone (no
// wall clock), so the same log always gives the same figures.
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

// Collects the scoring QSOs of one summary pass and the newest valid time of the whole log.
class RateCounter {
  public:
    // Every record of the log, scoring or not, may be the newest.
    void SeeTime(const DateTime& time);
    // A scoring QSO with its points.
    void AddScoringQso(const DateTime& time, int points);
    RateFigures Figures() const;

  private:
    struct Sample {
        int64_t second;
        int points;
    };
    std::optional<int64_t> m_newest;
    std::vector<Sample> m_samples;
};

// A valid date-time as seconds on one continuous scale (rounded to the second); nothing
// for an invalid or null one, or a day count that is no date.
std::optional<int64_t> QsoSecond(const DateTime& time);
