// Evidence lines: the partner's line for matched and miscopied QSOs, the missing QSO for NIL,
// the corrected time for QSOs outside the period.
#include "host/check/evidence.h"

#include "host/check/time_text.h"

std::string DescribeLogLine(const StationLog& log, const LogQso& qso) {
    return log.call + "'s log, line " + std::to_string(qso.recordNumber) + ": " +
           FormatUtcMinute(qso.days) + " " + qso.band + " " + qso.mode + " worked " + qso.call +
           ", sent " + qso.exchSent + ", received " + qso.exchRcvd;
}

std::string Evidence(const CheckResults& results, std::uint32_t log, std::uint32_t qso) {
    const StationLog& own = results.logs[log];
    const LogQso& line = own.qsos[qso];
    const int clockOffset = results.findings[log].clockOffsetMinutes;
    const QsoFinding& finding = results.findings[log].qsos[qso];
    const double corrected = CorrectedDays(line.days, clockOffset);
    switch (finding.status) {
        case QsoStatus::BustedCall:
        case QsoStatus::BustedExchange: {
            const StationLog& other = results.logs[finding.partner.log];
            return DescribeLogLine(other, other.qsos[finding.partner.qso]);
        }
        case QsoStatus::Nil: {
            const StationLog& other = results.logs[finding.workedLog];
            return other.call + "'s log (" + other.file + ") has no QSO with " + own.call + " on " +
                   line.band + " " + line.mode + " within " +
                   std::to_string(results.settings.windowMinutes) + " min of " +
                   FormatUtcMinute(corrected) + " UTC";
        }
        case QsoStatus::OutOfPeriod:
            return FormatUtcMinute(corrected) + " UTC" +
                   (clockOffset != 0 ? " after clock correction" : "") +
                   " is outside the contest period " +
                   (results.startText.empty() ? "(open)" : results.startText) + " to " +
                   (results.endText.empty() ? "(open)" : results.endText);
        default:
            return {};
    }
}
