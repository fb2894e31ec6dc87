// Reads the figures back out of the plug-in's results summary, in either of its layouts
// (tab-separated text, or the HTML document it returns after setVersion).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SummaryRow {
    std::string label;  // band name, or "Total"
    long qsos = 0;
    long points = 0;
    long dxcc = 0;
    long counties = 0;
};

struct SummaryFigures {
    std::string title;       // "Sarnet Contest 07.12.2026"
    std::string contestant;  // own call sign
    std::vector<SummaryRow> bands;
    SummaryRow total;
    long dupes = 0;
    long badQsos = 0;
    long score = 0;
    std::vector<std::string> otherLines;  // rate and last-QSO lines as shown
};

// nullopt when the text carries no Total row (not a summary of this plug-in).
std::optional<SummaryFigures> ReadSummary(std::string_view summary);
