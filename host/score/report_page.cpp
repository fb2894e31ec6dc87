// Page layout: a heading, the summary table beside the notes, the rate chart as wide as the
// page (and a 10-minute one for short logs), the score over time, the county grid, the
// DXCC prefixes as a flowing grid of cells, and the table of rejected QSOs. Every width is
// relative, so the page fits whatever the window; long texts wrap instead of widening it.
#include "host/score/report_page.h"

#include "host/common/text_util.h"
#include "host/score/report_charts.h"

namespace {

constexpr double kHour = 1.0 / 24.0;

constexpr const char* kStyle =
    "body{font-family:sans-serif;margin:0 auto;padding:1em 1.5em;max-width:1400px;"
    "background:#fffef6;color:#111}\n"
    "h1{font-size:1.5em;margin:.2em 0 .6em}\nh2{font-size:1.15em;margin:1.6em 0 .5em}\n"
    "section{overflow-wrap:anywhere}\n"
    ".top{display:flex;flex-wrap:wrap;gap:1.5em;align-items:flex-start}\n"
    "table{border-collapse:collapse}\n"
    "th,td{border:1px solid #999;padding:3px 9px;text-align:right}\n"
    "th{background:#fffac6}\nth:first-child{text-align:left}\n"
    ".notes{flex:1 1 20em;margin:0;padding:.6em 1.2em;background:#fff4d6;"
    "border-left:4px solid #e0a030}\n"
    ".chart{display:block;width:100%;height:auto}\n"
    ".qsos{fill:#3a6ea5}\n.points{fill:#e0a030}\n.grid{stroke:#ddd}\n.axis{stroke:#444}\n"
    ".tick{font-size:13px;fill:#333}\n.date{fill:#666}\n"
    ".axis-title,.legend{font-size:14px;fill:#111}\n"
    ".score-line{fill:none;stroke:#2a8f4a;stroke-width:2.5}\n.score-area{fill:#d8eedd}\n"
    ".score-key{fill:#2a8f4a}\n"
    ".counties{display:grid;grid-template-columns:repeat(7,minmax(0,1fr));gap:6px;"
    "max-width:36em}\n"
    ".county{border-radius:50%;padding:.45em 0;text-align:center;background:#00ff00;"
    "color:#010101;border:1px solid #555}\n"
    ".county b{display:block}\n.county span{font-size:.8em}\n"
    ".county.worked{background:#ff00ff;color:#ffff00}\n"
    ".dxcc{display:grid;grid-template-columns:repeat(auto-fill,minmax(13em,1fr));gap:4px;"
    "padding:0;list-style:none}\n"
    ".dxcc li{display:flex;gap:.5em;padding:3px 8px;background:#fffac6;border:1px solid #ccc;"
    "min-width:0}\n"
    ".dxcc .name{flex:1;min-width:0;overflow:hidden;text-overflow:ellipsis;white-space:nowrap;"
    "color:#444}\n"
    ".rejected{width:100%;table-layout:fixed}\n"
    ".rejected td,.rejected th{text-align:left;overflow-wrap:anywhere}\n";

std::string Cells(const SummaryRow& row, const char* cell) {
    std::string html;
    for (long value : {row.qsos, row.points, row.dxcc, row.counties}) {
        html += std::string("<") + cell + ">" + std::to_string(value) + "</" + cell + ">";
    }
    return html;
}

std::string SummaryTable(const SummaryFigures& summary) {
    std::string html =
        "<table>\n<tr><th>Band</th><th>QSOs</th><th>Points</th><th>DXCC</th><th>County</th>"
        "</tr>\n";
    for (const SummaryRow& row : summary.bands) {
        html += "<tr><th>" + EscapeHtml(row.label) + "</th>" + Cells(row, "td") + "</tr>\n";
    }
    html += "<tr><th>Total</th>" + Cells(summary.total, "th") + "</tr>\n";
    html += "<tr><th>Dupes</th><td colspan=\"4\">" + std::to_string(summary.dupes) + "</td></tr>\n";
    html += "<tr><th>Bad QSOs</th><td colspan=\"4\">" + std::to_string(summary.badQsos) +
            "</td></tr>\n";
    html += "<tr><th>Score</th><td colspan=\"4\">" + std::to_string(summary.total.points) +
            " &times; (" + std::to_string(summary.total.dxcc) + " + " +
            std::to_string(summary.total.counties) + ") = <b>" + std::to_string(summary.score) +
            "</b></td></tr>\n</table>\n";
    return html;
}

std::string Notes(const std::vector<std::string>& notes) {
    if (notes.empty()) {
        return {};
    }
    std::string html = "<ul class=\"notes\">\n";
    for (const std::string& note : notes) {
        html += "<li>" + EscapeHtml(note) + "</li>\n";
    }
    return html + "</ul>\n";
}

std::string Charts(const ReportPageInput& input) {
    const RateTally& rates = input.rates;
    if (rates.samples.empty()) {
        return "<h2>QSO rate</h2>\n<p>No QSOs to chart.</p>\n";
    }
    if (!input.ratesAgree) {
        return "<h2>QSO rate</h2>\n<p>No charts: the QSOs named in the plug-in's rejected-QSO "
               "report do not account for its summary.</p>\n";
    }
    std::string html;
    if (rates.periodDays < kHour) {
        const std::vector<RateSample> hours = MergeSamples(rates.samples, rates.periodDays, kHour);
        html += "<h2>QSOs and points per hour</h2>\n" + RateChart(hours, kHour);
    }
    html += "<h2>QSOs and points per " + PeriodName(rates.periodDays) + "</h2>\n" +
            RateChart(rates.samples, rates.periodDays);
    html += "<h2>Score over time</h2>\n" + ScoreChart(rates.samples, rates.periodDays);
    return html;
}

std::string CountyGrid(const std::vector<std::string>& codes, const WorkedTally& worked) {
    std::size_t count = 0;
    std::string cells;
    for (const std::string& code : codes) {
        const auto found = worked.countyQsos.find(code);
        const long qsos = found != worked.countyQsos.end() ? found->second : 0;
        count += qsos > 0 ? 1 : 0;
        cells += std::string("<div class=\"county") + (qsos > 0 ? " worked" : "") + "\"><b>" +
                 EscapeHtml(code) + "</b><span>" + (qsos > 0 ? std::to_string(qsos) : "&ndash;") +
                 "</span></div>\n";
    }
    return "<h2>Counties: " + std::to_string(count) + " of " + std::to_string(codes.size()) +
           " worked</h2>\n<div class=\"counties\">\n" + cells + "</div>\n";
}

std::string PrefixGrid(const WorkedTally& worked) {
    std::string html = "<h2>DXCC prefixes: " + std::to_string(worked.prefixes.size()) +
                       " worked</h2>\n<ul class=\"dxcc\">\n";
    for (const PrefixCount& prefix : worked.prefixes) {
        html += "<li><b>" + (prefix.prefix.empty() ? "?" : EscapeHtml(prefix.prefix)) +
                "</b><span class=\"name\">" +
                (prefix.entity.empty() ? "not in the country file" : EscapeHtml(prefix.entity)) +
                "</span><span>" + std::to_string(prefix.qsos) + "</span></li>\n";
    }
    return html + "</ul>\n";
}

std::string RejectedTable(const std::vector<RejectedQso>& rejected) {
    std::string html = "<h2>Rejected QSOs: " + std::to_string(rejected.size()) + "</h2>\n";
    if (rejected.empty()) {
        return html + "<p>The plug-in rejected no QSO.</p>\n";
    }
    html +=
        "<table class=\"rejected\">\n<tr><th>Time (UTC)</th><th>Call</th><th>Exchange "
        "received</th><th>Reason</th></tr>\n";
    for (const RejectedQso& qso : rejected) {
        std::string time = qso.time;
        if (time.size() == 15) {
            time.insert(13, ":");
        }
        html += "<tr><td>" + EscapeHtml(time) + "</td><td>" + EscapeHtml(qso.call) + "</td><td>" +
                EscapeHtml(qso.exchange) + "</td><td>" + EscapeHtml(qso.reason) + "</td></tr>\n";
    }
    return html + "</table>\n";
}

}  // namespace

std::string BuildReportPage(const ReportPageInput& input) {
    const std::string title =
        EscapeHtml(input.summary.title) + " &mdash; " + EscapeHtml(input.summary.contestant);
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n" +
                       std::string("<meta name=\"viewport\" content=\"width=device-width\">\n") +
                       "<title>" + title + "</title>\n<style>\n" + kStyle +
                       "</style>\n</head>\n<body>\n<h1>" + title + "</h1>\n";
    if (!input.logName.empty()) {
        html += "<p>Log: " + EscapeHtml(input.logName) + "</p>\n";
    }
    html += "<section class=\"top\">\n" + SummaryTable(input.summary) + Notes(input.notes) +
            "</section>\n";
    html += "<section>\n" + Charts(input) + "</section>\n";
    html += "<section>\n" + CountyGrid(input.countyCodes, input.worked) + "</section>\n";
    html += "<section>\n" + PrefixGrid(input.worked) + "</section>\n";
    html += "<section>\n" + RejectedTable(input.rejected) + "</section>\n";
    return html + "</body>\n</html>\n";
}
