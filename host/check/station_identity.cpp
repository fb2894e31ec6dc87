// Station identity: a vote over the lines' sent calls, the file-name rules and the choice of
// one log among a station's resubmissions.
#include "host/check/station_identity.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "host/check/call_similarity.h"
#include "host/common/log_normalizer.h"
#include "host/common/text_util.h"

std::string StationCallOfLines(const std::vector<LogQso>& qsos, const std::string& headerCall) {
    std::map<std::string, std::size_t> votes;
    std::size_t withCall = 0;
    for (const LogQso& qso : qsos) {
        if (!qso.ownCall.empty()) {
            ++votes[qso.ownCall];
            ++withCall;
        }
    }
    if (withCall == 0 || votes.count(headerCall) != 0) {
        return headerCall;
    }
    const auto top = std::max_element(votes.begin(), votes.end(), [](const auto& a, const auto& b) {
        return a.second < b.second;
    });
    // A third of the lines naming another call is no typo of the header: the header stands.
    if (!headerCall.empty() && top->second * 3 < withCall * 2) {
        return headerCall;
    }
    return top->first;
}

std::string CallOfFileName(const std::string& file) {
    std::string stem = Upper(std::filesystem::path(file).stem().string());
    const std::size_t last = stem.rfind('_');
    if (last != std::string::npos && last + 1 < stem.size() && last + 3 >= stem.size() &&
        std::all_of(stem.begin() + static_cast<std::ptrdiff_t>(last) + 1, stem.end(),
                    [](char c) { return c >= '0' && c <= '9'; })) {
        stem.erase(last);
    }
    std::replace(stem.begin(), stem.end(), '_', '/');
    return stem;
}

bool PreferredLog(const StationLog& candidate, const StationLog& current, std::string* reason) {
    if (candidate.qsos.size() != current.qsos.size()) {
        *reason = "the one with more QSOs";
        return candidate.qsos.size() > current.qsos.size();
    }
    const auto last = [](const StationLog& log) {
        double latest = 0.0;
        for (const LogQso& qso : log.qsos) {
            latest = std::max(latest, qso.days);
        }
        return latest;
    };
    if (last(candidate) != last(current)) {
        *reason = "equal in size, the one that ends later";
        return last(candidate) > last(current);
    }
    *reason = "equal in size and end, the later file name";
    return candidate.file > current.file;
}

std::string SentCallOfLine(const LogQso& qso, const std::string& stationCall) {
    if (!qso.ownCall.empty() && qso.ownCall != stationCall &&
        BaseCall(qso.ownCall) == BaseCall(stationCall)) {
        return qso.ownCall;
    }
    return stationCall;
}
