// The charts of the report page as inline SVG, drawn in a view box 1000 units wide that the
// page scales to its own width: QSOs and points per period as bars, and the score over time.
#pragma once

#include <string>
#include <vector>

#include "host/score/rate_tally.h"

// Bars of QSOs and points per period, gridlines, axis titles, times in UTC (with the date
// for logs of more than one day) and a legend above the plot.
std::string RateChart(const std::vector<RateSample>& samples, double periodDays);

// The score at the end of every period as a line from zero at the start of the log.
std::string ScoreChart(const std::vector<RateSample>& samples, double periodDays);

// Samples merged into longer periods (10-minute periods into hours): QSOs and points
// added up, the score of the last sample kept.
std::vector<RateSample> MergeSamples(const std::vector<RateSample>& samples, double periodDays,
                                     double longerDays);

// "hour", "10 minutes", "day", "3 days": the length of a period in words.
std::string PeriodName(double periodDays);
