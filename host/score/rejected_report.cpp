// A report line is "QSO: " [" "] kHz "  " mode "  " date time "  " own call "  " RST sent
// "  " exchange sent "  " call "  " RST received "  " exchange received, then the finding's
// tail. The fields are parted by two blanks; the readers have trimmed every field, so a
// field holds no blank at either end.
#include "host/score/rejected_report.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "host/common/automation_date.h"
#include "host/common/text_util.h"

namespace {

struct Tail {
    const char* text;
    const char* reason;
};

constexpr Tail kTails[] = {{"   WRONG BAND !!!", "wrong band"},
                           {"   WRONG MODE !!!", "wrong mode"},
                           {"   NO NUMBER !!!", "no number"},
                           {"   DUPE !!!", "duplicate"}};
constexpr std::string_view kCountyTail = "  YO County Code not acceptable !!!";
constexpr std::string_view kSeparator = "  ";

bool EndsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The next field up to two blanks; the rest stays in *text.
std::string_view NextField(std::string_view* text) {
    const std::size_t separator = text->find(kSeparator);
    const std::string_view field = text->substr(0, separator);
    text->remove_prefix(separator == std::string_view::npos ? text->size()
                                                            : separator + kSeparator.size());
    return field;
}

bool ReadLine(std::string_view line, RejectedQso* finding) {
    if (line.substr(0, 5) != "QSO: ") {
        return false;
    }
    line.remove_prefix(5);
    bool tailFound = false;
    for (const Tail& tail : kTails) {
        if (EndsWith(line, tail.text)) {
            line.remove_suffix(std::string_view(tail.text).size());
            finding->reason = tail.reason;
            tailFound = true;
            break;
        }
    }
    if (!tailFound) {
        if (!EndsWith(line, kCountyTail)) {
            return false;
        }
        line.remove_suffix(kCountyTail.size());
        // The derived county text (at most two characters) stands after the last separator.
        const std::size_t separator = line.rfind(kSeparator);
        if (separator == std::string_view::npos) {
            return false;
        }
        finding->reason = "county code not acceptable (" +
                          std::string(line.substr(separator + kSeparator.size())) + ")";
        line = line.substr(0, separator);
    }
    if (!line.empty() && line.front() == ' ') {
        line.remove_prefix(1);  // the blank that pads frequencies under 10 000 kHz
    }
    finding->kilohertz = std::string(NextField(&line));
    finding->mode = std::string(NextField(&line));
    finding->time = std::string(NextField(&line));
    NextField(&line);  // own call
    NextField(&line);  // RST sent
    NextField(&line);  // exchange sent
    finding->call = std::string(NextField(&line));
    NextField(&line);  // RST received
    finding->exchange = std::string(line);
    return true;
}

// A QSO fails at most one of the band, mode and number rules (the first one ends its
// checks), then may draw a county finding and a duplicate finding.
constexpr unsigned char kBasicRule = 1;
constexpr unsigned char kCounty = 2;
constexpr unsigned char kDuplicate = 4;

unsigned char FindingKind(const std::string& reason) {
    if (reason == "duplicate") {
        return kDuplicate;
    }
    return reason.rfind("county code", 0) == 0 ? kCounty : kBasicRule;
}

}  // namespace

std::vector<RejectedQso> ReadRejectedReport(std::string_view text) {
    std::vector<RejectedQso> findings;
    for (const std::string_view line : Lines(text)) {
        RejectedQso finding;
        if (ReadLine(line, &finding)) {
            findings.push_back(std::move(finding));
        }
    }
    return findings;
}

std::string ReportTime(double days) {
    return FormatAutomationDate(days, "%Y-%m-%d %H%M");
}

std::vector<bool> MatchRejected(const std::vector<LogQso>& qsos,
                                const std::vector<RejectedQso>& findings) {
    // The QSOs of each call, in feed order: a finding only looks at its own call's QSOs.
    std::unordered_map<std::string_view, std::vector<std::size_t>> byCall;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        byCall[qsos[i].call].push_back(i);
    }
    // The kinds of finding each QSO has drawn: one QSO draws at most one of each, so two
    // equal findings (a QSO entered three times in one minute) name two QSOs. The first QSO
    // of a call, band and mode is never a duplicate, whatever its twins.
    std::vector<unsigned char> drawn(qsos.size(), 0);
    std::unordered_set<std::string> seen;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        if (seen.insert(qsos[i].call + '\t' + qsos[i].band + '\t' + qsos[i].mode).second) {
            drawn[i] = kDuplicate;
        }
    }
    std::vector<bool> rejected(qsos.size(), false);
    std::size_t from = 0;
    for (const RejectedQso& finding : findings) {
        const auto found = byCall.find(finding.call);
        if (found == byCall.end()) {
            continue;
        }
        const unsigned char kind = FindingKind(finding.reason);
        const std::vector<std::size_t>& indices = found->second;
        for (auto it = std::lower_bound(indices.begin(), indices.end(), from); it != indices.end();
             ++it) {
            const LogQso& qso = qsos[*it];
            if ((drawn[*it] & kind) == 0 && qso.exchRcvd == finding.exchange &&
                qso.mode == finding.mode &&
                std::to_string(qso.frequencyHz / 1000) == finding.kilohertz &&
                ReportTime(qso.days) == finding.time) {
                rejected[*it] = true;
                drawn[*it] |= kind;
                from = *it;
                break;
            }
        }
    }
    return rejected;
}
