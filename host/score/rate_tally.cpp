// One pass over the QSOs; the multiplier sets are kept per band text, as the plug-in keeps
// them.
#include "host/score/rate_tally.h"

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "host/score/worked_tally.h"

namespace {

constexpr double kTenMinutes = 1.0 / 144.0;
constexpr double kHour = 1.0 / 24.0;
constexpr double kMostPeriods = 200.0;

long PeriodOf(double days, double period) {
    return static_cast<long>(std::floor(days / period + 1e-9));
}

struct BandMultipliers {
    std::set<std::string> prefixes;
    std::set<std::string> counties;
};

}  // namespace

double SamplePeriodDays(double spanDays) {
    if (spanDays < 0.25) {
        return kTenMinutes;
    }
    if (spanDays <= 8.0) {
        return kHour;
    }
    return std::ceil(spanDays / kMostPeriods);
}

RateTally TallyRates(const std::vector<LogQso>& qsos, const std::vector<bool>& rejected) {
    RateTally tally;
    if (qsos.empty()) {
        return tally;
    }
    tally.periodDays = SamplePeriodDays(qsos.back().days - qsos.front().days);
    std::map<std::string, BandMultipliers> bands;
    const long first = PeriodOf(qsos.front().days, tally.periodDays);
    const long last = PeriodOf(qsos.back().days, tally.periodDays);
    for (long period = first; period <= last; ++period) {
        tally.samples.push_back({static_cast<double>(period) * tally.periodDays, 0, 0, 0});
    }
    SummaryRow& total = tally.total;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const LogQso& qso = qsos[i];
        const std::size_t period =
            static_cast<std::size_t>(PeriodOf(qso.days, tally.periodDays) - first);
        if (!rejected[i] && !qso.call.empty() && period < tally.samples.size()) {
            const long points = qso.prefix == kHomePrefix ? 2 : 1;
            BandMultipliers& band = bands[qso.band];
            total.qsos += 1;
            total.points += points;
            total.dxcc += band.prefixes.insert(qso.prefix).second ? 1 : 0;
            if (qso.prefix == kHomePrefix) {
                total.counties += band.counties.insert(CountyText(qso.exchRcvd)).second ? 1 : 0;
            }
            tally.samples[period].qsos += 1;
            tally.samples[period].points += points;
        }
        if (period < tally.samples.size()) {
            tally.samples[period].score = total.points * (total.dxcc + total.counties);
        }
    }
    // Quiet periods hold the score of the one before.
    for (std::size_t i = 1; i < tally.samples.size(); ++i) {
        if (tally.samples[i].score == 0) {
            tally.samples[i].score = tally.samples[i - 1].score;
        }
    }
    return tally;
}

bool AgreesWith(const RateTally& tally, const SummaryRow& total) {
    return tally.total.qsos == total.qsos && tally.total.points == total.points &&
           tally.total.dxcc == total.dxcc && tally.total.counties == total.counties;
}
