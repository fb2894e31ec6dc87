// Both layouts reduce to rows of cells: text rows split at tabs, HTML rows are the texts
// between the tags of one <tr>. The rows are then recognised by their first cell.
#include "host/common/summary_reader.h"

#include <cstdlib>
#include "host/common/text_util.h"

namespace {

std::vector<std::vector<std::string>> TextRows(std::string_view summary) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string_view line : Lines(summary)) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            const std::string cell = Trim(line.substr(start, tab - start));
            if (!cell.empty()) {
                cells.push_back(cell);
            }
            if (tab == std::string_view::npos) {
                break;
            }
            start = tab + 1;
        }
        if (!cells.empty()) {
            rows.push_back(cells);
        }
    }
    return rows;
}

std::vector<std::vector<std::string>> HtmlRows(std::string_view summary) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> cells;
    std::size_t pos = 0;
    while (pos < summary.size()) {
        const std::size_t open = summary.find('<', pos);
        const std::string text = Trim(summary.substr(pos, open - pos));
        if (!text.empty()) {
            cells.push_back(text);
        }
        if (open == std::string_view::npos) {
            break;
        }
        const std::size_t close = summary.find('>', open);
        if (close == std::string_view::npos) {
            break;
        }
        const std::string_view tag = summary.substr(open + 1, close - open - 1);
        if (tag == "style") {
            const std::size_t styleEnd = summary.find("</style>", close);
            pos = styleEnd == std::string_view::npos ? summary.size() : styleEnd;
            continue;
        }
        // A row ends at </tr>; the rate header has no <tr> of its own.
        if (tag == "/tr" || tag == "tr" || tag == "/table") {
            if (!cells.empty()) {
                rows.push_back(cells);
            }
            cells.clear();
        }
        pos = close + 1;
    }
    if (!cells.empty()) {
        rows.push_back(cells);
    }
    return rows;
}

bool ToNumber(const std::string& text, long* value) {
    char* end = nullptr;
    *value = std::strtol(text.c_str(), &end, 10);
    return end != text.c_str() && *end == '\0';
}

bool FigureRow(const std::vector<std::string>& cells, SummaryRow* row) {
    if (cells.size() != 5) {
        return false;
    }
    row->label = cells[0];
    return ToNumber(cells[1], &row->qsos) && ToNumber(cells[2], &row->points) &&
           ToNumber(cells[3], &row->dxcc) && ToNumber(cells[4], &row->counties);
}

// The figure after the last '=' of "Score: 20*(4+4) = 160" or "20 * (4 + 4) = 160".
bool ScoreFigure(const std::string& text, long* score) {
    const std::size_t equals = text.rfind('=');
    return equals != std::string::npos && ToNumber(Trim(text.substr(equals + 1)), score);
}

}  // namespace

std::optional<SummaryFigures> ReadSummary(std::string_view summary) {
    const bool html = summary.find("<html>") != std::string_view::npos;
    const auto rows = html ? HtmlRows(summary) : TextRows(summary);
    SummaryFigures figures;
    bool haveTotal = false;
    for (const auto& cells : rows) {
        const std::string& first = cells[0];
        SummaryRow row;
        if (first.rfind("Sarnet Contest", 0) == 0 && figures.title.empty()) {
            figures.title = first;
            if (html && cells.size() >= 3) {
                figures.contestant = cells[2];
            }
        } else if (first.rfind("Contestant:", 0) == 0) {
            figures.contestant = Trim(first.substr(11));
        } else if (first == "Band" || first == "Rate") {
            continue;
        } else if (FigureRow(cells, &row)) {
            if (row.label == "Total") {
                figures.total = row;
                haveTotal = true;
            } else {
                figures.bands.push_back(row);
            }
        } else if (first == "Dupe" && cells.size() == 2) {
            ToNumber(cells[1], &figures.dupes);
        } else if (first == "Bad QSO" && cells.size() == 2) {
            ToNumber(cells[1], &figures.badQsos);
        } else if (first.rfind("Score:", 0) == 0) {
            ScoreFigure(cells.back(), &figures.score);
        } else if (first.rfind("Hourly", 0) == 0 || first.rfind("Last QSO", 0) == 0) {
            std::string line;
            for (const std::string& cell : cells) {
                line += (line.empty() ? "" : " ") + cell;
            }
            figures.otherLines.push_back(line);
        }
    }
    if (!haveTotal) {
        return std::nullopt;
    }
    return figures;
}
