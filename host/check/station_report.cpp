// The station report, plain text with LF line ends.
#include "host/check/station_report.h"

#include "host/check/evidence.h"
#include "host/check/time_text.h"

namespace {

std::string QsoHeading(const LogQso& qso, const QsoFinding& finding) {
    std::string text =
        "  line " + std::to_string(qso.recordNumber) + ", " + FormatUtcMinute(qso.days);
    const std::string corrected = FormatUtcMinute(finding.correctedDays);
    if (corrected != FormatUtcMinute(qso.days)) {
        text += " (" + corrected.substr(11) + " corrected)";
    }
    text += " " + qso.band + " " + qso.call + ": " + StatusName(finding.status);
    if (!finding.detail.empty()) {
        text += finding.status == QsoStatus::BustedCall ? ", the station worked was " : ", ";
        text += finding.detail;
    }
    return text + "\n";
}

// The plug-in's texts end their lines with CR LF and the summary has no final line end.
std::string Indented(const std::string& text) {
    std::string out = "  ";
    for (const char c : text) {
        if (c == '\r') {
            continue;
        }
        out += c;
        if (c == '\n') {
            out += "  ";
        }
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '\n')) {
        out.pop_back();
    }
    return out + "\n";
}

}  // namespace

std::string DescribeClockOffset(int minutes) {
    if (minutes == 0) {
        return "right";
    }
    const int size = minutes < 0 ? -minutes : minutes;
    return std::to_string(size) + (size == 1 ? " minute " : " minutes ") +
           (minutes < 0 ? "slow" : "fast");
}

std::string BuildStationReport(const CheckResults& results, const StationResult& station) {
    const StationLog& log = results.logs[station.log];
    const StationFindings& findings = results.findings[station.log];
    std::string text = "Sarnet Contest cross-check: " + log.call + " (" +
                       PublicFileName(results, log.file) + ")\n\n";
    text += "Category: " + station.kind + " " + station.category;
    text += station.checklog ? " (checklog: checked, not ranked)\n"
                             : ", place " + station.place + " overall, " + station.categoryPlace +
                                   " in the category\n";
    text += "Clock: " + DescribeClockOffset(findings.clockOffsetMinutes);
    if (findings.clock.segments.size() > 1 ||
        (!findings.clock.segments.empty() && findings.clock.segments.front().slope != 0.0)) {
        text += " at the start; against the other logs it was " + findings.clock.Describe() +
                "; every time of this log was corrected before matching";
    } else if (findings.clockOffsetMinutes != 0) {
        text += " against the other logs (clock_offset_min " +
                std::to_string(findings.clockOffsetMinutes) +
                "); every time of this log was corrected before matching";
    }
    const auto figures = [](const SummaryRow& row, int score) {
        return std::to_string(row.qsos) + " QSOs, " + std::to_string(row.points) + " points, " +
               std::to_string(row.dxcc) + " DXCC, " + std::to_string(row.counties) +
               " counties: score " + std::to_string(score) + "\n";
    };
    text += "\nClaimed: " + figures(station.claimedFigures, station.claimedScore);
    text += "Final:   " + figures(station.finalFigures, station.finalScore);
    if (!station.reason.empty()) {
        text += "Why: " + station.reason + "\n";
    }
    if (!station.scoringError.empty()) {
        text += "Not scored: " + station.scoringError + "\n";
    }
    for (const std::string& note : log.notes) {
        text += "Note: " + PublicText(results, note) + "\n";
    }

    std::string removed;
    std::string kept;
    std::string rulings;
    int removedCount = 0;
    int keptCount = 0;
    for (std::uint32_t i = 0; i < log.qsos.size(); ++i) {
        const QsoFinding& finding = findings.qsos[i];
        if (finding.status == QsoStatus::Ok) {
            if (!finding.ruling.empty()) {
                rulings += QsoHeading(log.qsos[i], finding);
            }
            continue;
        }
        std::string entry = QsoHeading(log.qsos[i], finding);
        const std::string evidence = Evidence(results, station.log, i);
        if (!evidence.empty()) {
            entry += "    " + evidence + "\n";
        }
        if (KeptForFinalScore(finding.status)) {
            kept += entry;
            ++keptCount;
        } else {
            removed += entry;
            ++removedCount;
        }
    }
    text += "\nRemoved from the final score (" + std::to_string(removedCount) + "):\n";
    text += removed.empty() ? "  none\n" : removed;
    text += "\nKept, the worked station sent no log (" + std::to_string(keptCount) + "):\n";
    text += kept.empty() ? "  none\n" : kept;
    if (!log.unreadable.empty()) {
        text += "\nLines that cannot be read (" + std::to_string(log.unreadable.size()) +
                "), each UNREADABLE:\n";
        for (const UnreadableLine& line : log.unreadable) {
            text += "  " + PublicText(results, line.reason) + "\n";
        }
    }
    if (!rulings.empty()) {
        text += "\nKept by the organizer's ruling:\n" + rulings;
    }
    if (!findings.slips.empty()) {
        text += "\nYour own slips, which your partners' logs show (their QSOs stand):\n";
        for (const std::string& slip : findings.slips) {
            text += "  " + slip + "\n";
        }
    }
    text += "\nThe plug-in's findings on the final log (" +
            std::to_string(station.pluginFindings.size()) + "):\n";
    if (station.pluginFindings.empty()) {
        text += "  none\n";
    }
    for (const std::string& line : station.pluginFindings) {
        text += "  " + line + "\n";
    }
    if (!station.pluginSummary.empty()) {
        text += "\nThe plug-in's summary of the final log:\n" + Indented(station.pluginSummary);
    }
    return text;
}
