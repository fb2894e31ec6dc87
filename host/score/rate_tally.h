// QSOs, points and score per period of the log, for the report page's charts. The plug-in
// judges every QSO (its rejected-QSO report names the ones that do not score); the tally
// adds up the rest by the contest's points and multipliers, and is checked against the
// plug-in's own Total row before it is shown.
#pragma once

#include <vector>

#include "host/common/log_qso.h"
#include "host/common/summary_reader.h"

// What the scoring QSOs of one period of the log brought.
struct RateSample {
    double startDays = 0.0;  // automation date of the period's start
    long qsos = 0;           // scoring QSOs logged in the period
    long points = 0;         // their points
    long score = 0;          // the score at the end of the period
};

struct RateTally {
    double periodDays = 0.0;
    std::vector<RateSample> samples;  // every period from the first QSO's to the last one's
    SummaryRow total;                 // QSOs, points and multipliers over the whole log
};

// The period length for a log spanning that many days: 10 minutes under six hours, an hour
// up to eight days, whole days beyond, so that a chart never has more than about 200 bars.
double SamplePeriodDays(double spanDays);

// The QSOs are in time order; rejected[i] tells whether the plug-in rejected qsos[i].
// A home-country QSO is worth 2 points and any other 1; the multipliers are the distinct
// DXCC prefixes and county codes of each band.
RateTally TallyRates(const std::vector<LogQso>& qsos, const std::vector<bool>& rejected);

// True when the tally counts what the plug-in's summary counts.
bool AgreesWith(const RateTally& tally, const SummaryRow& total);
