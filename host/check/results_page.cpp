// The results page. Every text from a log goes through EscapeHtml.
#include "host/check/results_page.h"

#include <map>

#include "host/check/evidence.h"
#include "host/common/text_util.h"
#include "host/check/station_report.h"
#include "host/check/time_text.h"

namespace {

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "table{border-collapse:collapse;margin:0.5em 0}"
    "th,td{border:1px solid #bbb;padding:2px 6px;text-align:right}"
    "th{background:#fffac6}td.t,th.t{text-align:left}"
    "tr:nth-child(even) td{background:#f7f7f7}"
    "section{margin-top:1.2em}h3{margin-bottom:0.2em}"
    "dt{font-weight:bold;font-family:monospace}pre{margin:0.3em 0;white-space:pre-wrap}"
    "table{display:block;overflow-x:auto;max-width:100%}";

struct Legend {
    QsoStatus status;
    const char* meaning;
};

constexpr Legend kLegend[] = {
    {QsoStatus::Ok,
     "the worked station's log has the same QSO: each logged the other's call, same band and "
     "mode, times within the window, and the exchange received is the one the other sent"},
    {QsoStatus::BustedExchange,
     "matched, but the exchange received differs from the one the other station sent "
     "(serial as a number, county or prefix ignoring case)"},
    {QsoStatus::BustedCall,
     "the call was miscopied (one character changed, added or dropped, two swapped, a portable "
     "part, the exchange typed as the call, a busted call of a station many logs hold, or a first "
     "attempt entered again); the station that copied right keeps its QSO"},
    {QsoStatus::Nil,
     "not in log: the worked station sent a log and nothing in it explains this QSO"},
    {QsoStatus::Unique, "the worked station sent no log and no other log has the call (kept)"},
    {QsoStatus::NoLog, "the worked station sent no log, but other logs have the call (kept)"},
    {QsoStatus::OutOfPeriod, "the corrected time lies outside the contest period"},
    {QsoStatus::Unreadable, "the line cannot be read; the rest of the log is checked"},
};

std::string Cell(const std::string& text, bool left = false) {
    return std::string(left ? "<td class=t>" : "<td>") + text + "</td>";
}

std::string Anchor(const StationResult& station) {
    return "s" + std::to_string(station.log);
}

std::string RulesSection(const CheckResults& results) {
    const std::size_t qsos = TotalQsos(results);
    const std::string period =
        results.startText.empty() && results.endText.empty()
            ? "not limited (no --start or --end given)"
            : (results.startText.empty() ? "open" : EscapeHtml(results.startText)) + " to " +
                  (results.endText.empty() ? "open" : EscapeHtml(results.endText)) +
                  " UTC, the end not included";
    std::string html = "<h2>Rules and options</h2><ul>";
    html += "<li>Logs checked: " + std::to_string(results.logs.size()) + " with " +
            std::to_string(qsos) +
            " QSOs; logs left out: " + std::to_string(results.errors.size()) + "</li>";
    html += "<li>Contest period: " + period + ", judged on corrected times</li>";
    html += "<li>Matching window: " + std::to_string(results.settings.windowMinutes) +
            " minutes between the two logged times of one QSO, after clock correction</li>";
    html +=
        "<li>Clock correction: each log's clock (a constant offset, a jump or a steady drift) is "
        "the model most of the QSOs it shares with other logs agree with, found again until "
        "stable; offsets under 2 minutes are taken as rounding</li>";
    html +=
        "<li>Claimed score: the whole log as submitted; final score: the log without its NIL, "
        "BUSTED_CALL, BUSTED_EXCHANGE and OUT_OF_PERIOD QSOs (UNIQUE and NO_LOG count). Both "
        "are computed by the plug-in, which then applies its own rules (duplicates, band, "
        "mode, exchange)</li>";
    html += "<li>Plug-in: " + EscapeHtml(results.pluginText) +
            "; country file: " + EscapeHtml(results.ctyText) + "</li>";
    html +=
        "<li>Places: by final score, overall and within each entrant kind (YO or DX, by the "
        "country file) and category (the Cabrillo header's CATEGORY- lines; \"not stated\" for "
        "ADIF logs and headers without them); equal scores share a place (\"3=\"); checklogs "
        "are checked and used as evidence but not ranked</li></ul><dl>";
    for (const Legend& legend : kLegend) {
        html += "<dt>" + std::string(StatusName(legend.status)) + "</dt><dd>" + legend.meaning +
                "</dd>";
    }
    return html + "</dl>";
}

// The clock without its support, for the table.
std::string ShortClock(const ClockModel& clock) {
    const std::string text = clock.Describe();
    return text.substr(0, text.find(" ("));
}

std::string ResultsTable(const CheckResults& results) {
    std::string html =
        "<h2>Results</h2><table><tr><th>Place</th><th class=t>Call</th><th class=t>Category</th>"
        "<th>In category</th><th>Claimed QSOs</th><th>Claimed score</th><th>Final QSOs</th>"
        "<th>Points</th><th>DXCC</th><th>Counties</th><th>Final score</th><th>NIL</th>"
        "<th>Busted call</th><th>Busted exchange</th><th>Unique</th><th>No log</th>"
        "<th>Out of period</th><th>Unreadable</th><th class=t>Clock</th>"
        "<th class=t>Why</th></tr>";
    for (const StationResult& station : results.stations) {
        const auto count = [&](QsoStatus status) {
            return Cell(std::to_string(station.counts[static_cast<std::size_t>(status)]));
        };
        const StationLog& log = results.logs[station.log];
        html += "<tr>" + Cell(station.checklog ? "checklog" : station.place) +
                Cell("<a href=\"" + EscapeHtml(StationPageName(station)) + "\">" +
                         EscapeHtml(log.call) + "</a>",
                     true) +
                Cell(EscapeHtml(station.kind + " " + station.category), true) +
                Cell(station.categoryPlace) + Cell(std::to_string(station.claimedQsos)) +
                Cell(std::to_string(station.claimedScore)) +
                Cell(std::to_string(station.finalQsos)) +
                Cell(std::to_string(station.finalFigures.points)) +
                Cell(std::to_string(station.finalFigures.dxcc)) +
                Cell(std::to_string(station.finalFigures.counties)) +
                Cell("<b>" + std::to_string(station.finalScore) + "</b>") + count(QsoStatus::Nil) +
                count(QsoStatus::BustedCall) + count(QsoStatus::BustedExchange) +
                count(QsoStatus::Unique) + count(QsoStatus::NoLog) + count(QsoStatus::OutOfPeriod) +
                Cell(std::to_string(log.unreadable.size())) +
                Cell(EscapeHtml(ShortClock(results.findings[station.log].clock)), true) +
                Cell(EscapeHtml(station.reason), true) + "</tr>";
    }
    return html + "</table>";
}

std::string StationSection(const CheckResults& results, const StationResult& station) {
    const StationLog& log = results.logs[station.log];
    const StationFindings& findings = results.findings[station.log];
    std::string html = "<section id=\"" + Anchor(station) + "\"><h3>" + EscapeHtml(log.call) +
                       "</h3><p>" + EscapeHtml(PublicFileName(results, log.file)) + "; " +
                       EscapeHtml(station.kind + " " + station.category) + "; clock " +
                       EscapeHtml(findings.clock.Describe()) + "; claimed " +
                       std::to_string(station.claimedScore) + ", final <b>" +
                       std::to_string(station.finalScore) + "</b>; <a href=\"" +
                       EscapeHtml(station.reportName) + "\">" + EscapeHtml(station.reportName) +
                       "</a></p>";
    if (!station.scoringError.empty()) {
        html += "<p>Not scored: " + EscapeHtml(station.scoringError) + "</p>";
    }
    std::string rows;
    for (std::uint32_t i = 0; i < log.qsos.size(); ++i) {
        const QsoFinding& finding = findings.qsos[i];
        if (finding.status == QsoStatus::Ok && finding.detail.empty()) {
            continue;
        }
        const LogQso& qso = log.qsos[i];
        rows += "<tr>" + Cell(std::to_string(qso.recordNumber)) +
                Cell(FormatUtcMinute(qso.days), true) + Cell(EscapeHtml(qso.call), true) +
                Cell(EscapeHtml(qso.loggedMode.empty() ? qso.mode : qso.loggedMode), true) +
                Cell(StatusName(finding.status), true) + Cell(EscapeHtml(finding.detail), true) +
                Cell(EscapeHtml(Evidence(results, station.log, i)), true) + "</tr>";
    }
    for (const UnreadableLine& line : log.unreadable) {
        rows += "<tr>" + Cell(std::to_string(line.line)) + Cell("", true) + Cell("", true) +
                Cell("", true) + Cell(StatusName(QsoStatus::Unreadable), true) +
                Cell(EscapeHtml(PublicText(results, line.reason)), true) + Cell("", true) + "</tr>";
    }
    for (const std::string& slip : findings.slips) {
        html += "<p>Sender's slip: " + EscapeHtml(slip) + "</p>";
    }
    if (!rows.empty()) {
        html +=
            "<table><tr><th>Line</th><th class=t>Time</th><th class=t>Worked</th>"
            "<th class=t>Mode</th>"
            "<th class=t>Status</th><th class=t>Detail</th><th class=t>Evidence</th></tr>" +
            rows + "</table>";
    }
    if (!station.pluginFindings.empty()) {
        html += "<p>The plug-in's findings on the final log:</p><pre>";
        for (const std::string& line : station.pluginFindings) {
            html += EscapeHtml(line) + "\n";
        }
        html += "</pre>";
    }
    return html + "</section>";
}

// The holes in logs that other stations' NILs fall in, with how many, and every ruling of
// the organizer.
std::string HolesAndRulings(const CheckResults& results) {
    std::map<std::string, int> holes;
    std::string rulings;
    for (std::uint32_t log = 0; log < results.logs.size(); ++log) {
        const std::vector<QsoFinding>& qsos = results.findings[log].qsos;
        for (std::uint32_t i = 0; i < qsos.size(); ++i) {
            if (qsos[i].status == QsoStatus::Nil &&
                qsos[i].evidence.find("a hole in that log") != std::string::npos) {
                ++holes[qsos[i].evidence];
            }
            if (!qsos[i].ruling.empty()) {
                rulings += "<li>" + EscapeHtml(results.logs[log].call) + " line " +
                           std::to_string(results.logs[log].qsos[i].recordNumber) + ": " +
                           StatusName(qsos[i].status) + ", " + EscapeHtml(qsos[i].detail) + "</li>";
            }
        }
    }
    std::string html;
    if (!holes.empty()) {
        html += "<h2>Holes in logs</h2><ul>";
        for (const auto& [hole, count] : holes) {
            html += "<li>" + EscapeHtml(hole) + ": " +
                    (count == 1 ? std::string("1 NIL of another station falls")
                                : std::to_string(count) + " NILs of other stations fall") +
                    " in it</li>";
        }
        html += "</ul>";
    }
    if (!rulings.empty()) {
        html += "<h2>The organizer's rulings</h2><ul>" + rulings + "</ul>";
    }
    return html;
}

}  // namespace

// Escaped line by line, the line ends kept and tabs made blanks, for a <pre>.
std::string EscapeLines(const std::string& text) {
    std::string html;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        for (char& c : line) {
            c = c == '\t' ? ' ' : c;
        }
        html += EscapeHtml(line) + (end < text.size() ? "\n" : "");
        start = end + 1;
    }
    return html;
}

std::string PageHead(const std::string& title) {
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>" +
           EscapeHtml(title) + "</title><style>" + std::string(kStyle) +
           "</style></head><body><h1>" + EscapeHtml(title) + "</h1>";
}

std::string BuildStationPage(const CheckResults& results, const StationResult& station) {
    return PageHead("Sarnet Contest cross-check: " + results.logs[station.log].call) +
           "<p><a href=\"index.html\">All results</a></p>" + StationSection(results, station) +
           "<h2>Report</h2><pre>" + EscapeLines(BuildStationReport(results, station)) +
           "</pre>\n</body></html>\n";
}

std::string StationPageName(const StationResult& station) {
    std::string name = station.reportName;
    return name.substr(0, name.size() - 4) + ".html";
}

std::string BuildResultsPage(const CheckResults& results) {
    // The results first: what a participant opens the page for.
    std::string html = PageHead("Sarnet Contest cross-check");
    html += ResultsTable(results);
    if (!results.errors.empty()) {
        html += "<h2>Logs left out</h2><ul>";
        for (const std::string& error : results.errors) {
            html += "<li>" + EscapeHtml(PublicText(results, error)) + "</li>";
        }
        html += "</ul>";
    }
    html += HolesAndRulings(results);
    html += RulesSection(results);
    html += "<h2>Stations</h2>";
    for (const StationResult& station : results.stations) {
        html += StationSection(results, station);
    }
    return html + "\n</body></html>\n";
}
