// Evidence lines: the partner's line for matched and miscopied QSOs, the missing QSO for NIL,
// the corrected time for QSOs outside the period.
#include "host/check/evidence.h"

#include "host/check/time_text.h"

std::string DescribeLogLine(const StationLog& log, const LogQso& qso) {
    const auto shown = [](const std::string& exchange) {
        return exchange.empty() ? std::string("nothing") : exchange;
    };
    return log.call + "'s log, line " + std::to_string(qso.recordNumber) + ": " +
           FormatUtcMinute(qso.days) + " " + qso.band + " " +
           (qso.loggedMode.empty() ? qso.mode : qso.loggedMode) + " worked " + qso.call +
           ", sent " + shown(qso.exchSent) + ", received " + shown(qso.exchRcvd);
}

std::string Evidence(const CheckResults& results, std::uint32_t log, std::uint32_t qso) {
    const ClockModel& clock = results.findings[log].clock;
    const QsoFinding& finding = results.findings[log].qsos[qso];
    const double corrected = finding.correctedDays;
    switch (finding.status) {
        case QsoStatus::BustedCall:
        case QsoStatus::BustedExchange: {
            if (!finding.partner.Valid()) {
                return finding.evidence;
            }
            const StationLog& other = results.logs[finding.partner.log];
            return DescribeLogLine(other, other.qsos[finding.partner.qso]);
        }
        case QsoStatus::OutOfPeriod:
            return FormatUtcMinute(corrected) + " UTC" +
                   (clock.segments.empty() ? "" : " after clock correction") +
                   " is outside the contest period " +
                   (results.startText.empty() ? "(open)" : results.startText) + " to " +
                   (results.endText.empty() ? "(open)" : results.endText);
        default:
            return finding.evidence;
    }
}
