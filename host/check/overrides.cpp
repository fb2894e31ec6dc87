// Overrides: a small CSV reader (quoted fields, doubled quotes) and the lookup by station
// or file name and line.
#include "host/check/overrides.h"

#include <filesystem>

#include "host/common/text_util.h"

namespace {

std::vector<std::string> CsvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace

bool ParseOverrides(const std::string& text, const std::string& fileName,
                    std::vector<Override>* overrides, std::string* error) {
    std::size_t row = 0;
    for (const std::string_view raw : Lines(WithoutByteOrderMark(text))) {
        ++row;
        const std::string line = Trim(raw);
        if (line.empty() || line.front() == '#') {
            continue;
        }
        const std::vector<std::string> fields = CsvFields(line);
        if (row == 1 && !fields.empty() && Lower(Trim(fields[0])) == "log") {
            continue;
        }
        const std::string where = fileName + ": line " + std::to_string(row) + ": ";
        if (fields.size() < 3) {
            *error = where + "a ruling is log,line,status,reason";
            return false;
        }
        Override ruling;
        ruling.row = row;
        ruling.log = Trim(fields[0]);
        const std::string number = Trim(fields[1]);
        if (number.empty() || number.size() > 9 ||
            number.find_first_not_of("0123456789") != std::string::npos) {
            *error = where + Shown(number) + " is no line number";
            return false;
        }
        ruling.line = std::stoul(number);
        if (!StatusOfName(Upper(Trim(fields[2])), &ruling.status)) {
            *error = where + Shown(fields[2]) + " is no status (OK, NIL, BUSTED_CALL, ...)";
            return false;
        }
        for (std::size_t i = 3; i < fields.size(); ++i) {
            ruling.reason += (i > 3 ? "," : "") + fields[i];
        }
        ruling.reason = Trim(ruling.reason);
        overrides->push_back(std::move(ruling));
    }
    return true;
}

bool ApplyOverrides(const std::vector<Override>& overrides, const std::vector<StationLog>& logs,
                    std::vector<StationFindings>* findings, std::string* error) {
    std::string unmatched;
    for (const Override& ruling : overrides) {
        bool applied = false;
        for (std::size_t log = 0; log < logs.size() && !applied; ++log) {
            const StationLog& station = logs[log];
            const std::string name = std::filesystem::path(station.file).filename().string();
            if (Upper(ruling.log) != station.call && ruling.log != name) {
                continue;
            }
            for (std::size_t i = 0; i < station.qsos.size(); ++i) {
                if (station.qsos[i].recordNumber != ruling.line) {
                    continue;
                }
                QsoFinding& finding = (*findings)[log].qsos[i];
                finding.detail = "organizer's ruling" +
                                 (ruling.reason.empty() ? std::string() : ": " + ruling.reason) +
                                 " (the check said " + StatusName(finding.status) + ")";
                finding.status = ruling.status;
                finding.ruling = ruling.reason.empty() ? "ruled" : ruling.reason;
                applied = true;
                break;
            }
        }
        if (!applied) {
            unmatched += (unmatched.empty() ? "" : "; ") + std::string("row ") +
                         std::to_string(ruling.row) + " (" + ruling.log + " line " +
                         std::to_string(ruling.line) + ")";
        }
    }
    if (!unmatched.empty()) {
        *error = "rulings that match no QSO line: " + unmatched;
        return false;
    }
    return true;
}
