// Page layout: a heading, the summary table (bands, total, dupes, bad QSOs, score) and a
// grouped bar chart (QSOs and points per hour) whose scale is the largest hourly figure.
#include "host/score/report_page.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string Number(long value) {
    return std::to_string(value);
}

std::string Cells(const SummaryRow& row, const char* cell) {
    std::string html;
    for (long value : {row.qsos, row.points, row.dxcc, row.counties}) {
        html += std::string("<") + cell + ">" + Number(value) + "</" + cell + ">";
    }
    return html;
}

std::string Fixed(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", value);
    return buffer;
}

std::string Chart(const std::vector<HourTally>& hours) {
    if (hours.empty()) {
        return "<p>No QSOs with a valid time.</p>\n";
    }
    long top = 1;
    for (const HourTally& hour : hours) {
        top = std::max({top, hour.qsos, hour.points});
    }
    const double plotHeight = 200.0;
    const double left = 40.0;
    const double groupWidth = 36.0;
    const double barWidth = 14.0;
    const double width = left + groupWidth * static_cast<double>(hours.size()) + 20.0;
    const double base = 20.0 + plotHeight;
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Fixed(width) +
                      "\" height=\"" + Fixed(base + 90.0) +
                      "\" role=\"img\" aria-label=\"QSOs and points per hour\">\n";
    svg += "<line x1=\"" + Fixed(left) + "\" y1=\"" + Fixed(base) + "\" x2=\"" +
           Fixed(width - 10.0) + "\" y2=\"" + Fixed(base) + "\" stroke=\"black\"/>\n";
    svg += "<text x=\"2\" y=\"24\" font-size=\"11\">" + Number(top) + "</text>\n";
    svg += "<text x=\"2\" y=\"" + Fixed(base) + "\" font-size=\"11\">0</text>\n";
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const HourTally& hour = hours[i];
        const double x = left + groupWidth * static_cast<double>(i) + 4.0;
        const double qsoHeight =
            plotHeight * static_cast<double>(hour.qsos) / static_cast<double>(top);
        const double pointHeight =
            plotHeight * static_cast<double>(hour.points) / static_cast<double>(top);
        const std::string title = EscapeHtml(hour.label) + ": " + Number(hour.qsos) + " QSOs, " +
                                  Number(hour.points) + " points";
        svg += "<g><title>" + title + "</title>";
        svg += "<rect class=\"qsos\" x=\"" + Fixed(x) + "\" y=\"" + Fixed(base - qsoHeight) +
               "\" width=\"" + Fixed(barWidth) + "\" height=\"" + Fixed(qsoHeight) + "\"/>";
        svg += "<rect class=\"points\" x=\"" + Fixed(x + barWidth) + "\" y=\"" +
               Fixed(base - pointHeight) + "\" width=\"" + Fixed(barWidth) + "\" height=\"" +
               Fixed(pointHeight) + "\"/></g>\n";
        const std::string shortLabel =
            hour.label.size() >= 5 ? hour.label.substr(hour.label.size() - 5) : hour.label;
        svg += "<text x=\"" + Fixed(x + barWidth) + "\" y=\"" + Fixed(base + 14.0) +
               "\" font-size=\"10\" text-anchor=\"end\" transform=\"rotate(-60 " +
               Fixed(x + barWidth) + " " + Fixed(base + 14.0) + ")\">" + EscapeHtml(shortLabel) +
               "</text>\n";
    }
    svg += "<rect class=\"qsos\" x=\"" + Fixed(left) + "\" y=\"" + Fixed(base + 70.0) +
           "\" width=\"10\" height=\"10\"/><text x=\"" + Fixed(left + 14.0) + "\" y=\"" +
           Fixed(base + 79.0) + "\" font-size=\"11\">QSOs</text>\n";
    svg += "<rect class=\"points\" x=\"" + Fixed(left + 60.0) + "\" y=\"" + Fixed(base + 70.0) +
           "\" width=\"10\" height=\"10\"/><text x=\"" + Fixed(left + 74.0) + "\" y=\"" +
           Fixed(base + 79.0) + "\" font-size=\"11\">Points</text>\n";
    return svg + "</svg>\n";
}

}  // namespace

std::string EscapeHtml(const std::string& text) {
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += byte >= 0x20 && byte < 0x7f ? c : '?';
        }
    }
    return out;
}

std::string BuildReportPage(const SummaryFigures& summary, const std::vector<HourTally>& hours) {
    const std::string title =
        EscapeHtml(summary.title) + " &mdash; " + EscapeHtml(summary.contestant);
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
        "</title>\n<style>\n"
        "body{font-family:sans-serif;margin:2em;background:#fffef6;color:#111}\n"
        "table{border-collapse:collapse;margin-bottom:1.5em}\n"
        "th,td{border:1px solid #555;padding:4px 10px;text-align:right}\n"
        "th{background:#fffac6}\n"
        "th:first-child{text-align:left}\n"
        ".qsos{fill:#3a6ea5}\n.points{fill:#e0a030}\n"
        "</style>\n</head>\n<body>\n<h1>" +
        title + "</h1>\n";
    html +=
        "<table>\n<tr><th>Band</th><th>QSOs</th><th>Points</th><th>DXCC</th><th>County</th></tr>\n";
    for (const SummaryRow& row : summary.bands) {
        html += "<tr><th>" + EscapeHtml(row.label) + "</th>" + Cells(row, "td") + "</tr>\n";
    }
    html += "<tr><th>Total</th>" + Cells(summary.total, "th") + "</tr>\n";
    html += "<tr><th>Dupes</th><td colspan=\"4\">" + Number(summary.dupes) + "</td></tr>\n";
    html += "<tr><th>Bad QSOs</th><td colspan=\"4\">" + Number(summary.badQsos) + "</td></tr>\n";
    html += "<tr><th>Score</th><td colspan=\"4\">" + Number(summary.total.points) + " &times; (" +
            Number(summary.total.dxcc) + " + " + Number(summary.total.counties) + ") = <b>" +
            Number(summary.score) + "</b></td></tr>\n</table>\n";
    html += "<h2>QSOs and points per hour</h2>\n" + Chart(hours);
    html += "</body>\n</html>\n";
    return html;
}
