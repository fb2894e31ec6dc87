// The standalone HTML page of --report: the summary table and an inline SVG chart of the
// QSOs and points of every contest hour. No script, no network resource.
#pragma once

#include <string>
#include <vector>

#include "host/common/summary_reader.h"

struct HourTally {
    std::string label;  // "2026-12-07 18:00"
    long qsos = 0;
    long points = 0;
};

std::string BuildReportPage(const SummaryFigures& summary, const std::vector<HourTally>& hours);

// "&", "<", ">" and quotes escaped; bytes outside printable ASCII become '?'.
std::string EscapeHtml(const std::string& text);
