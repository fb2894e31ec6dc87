// Categories by the header's words as given; reasons from the log and the verdict counts.
#include "host/check/categories.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr const char* kCategoryKeys[] = {"OPERATOR", "ASSISTED",    "POWER",  "BAND",
                                         "MODE",     "TRANSMITTER", "STATION"};

}  // namespace

std::string CategoryOf(const StationLog& log) {
    std::string label;
    for (const char* key : kCategoryKeys) {
        for (const auto& [name, value] : log.categories) {
            if (name == key) {
                label += (label.empty() ? "" : " ") + value;
                break;
            }
        }
    }
    return label.empty() ? "not stated" : label;
}

bool IsChecklog(const StationLog& log) {
    return std::any_of(log.categories.begin(), log.categories.end(), [](const auto& category) {
        return category.first == "OPERATOR" && category.second == "CHECKLOG";
    });
}

std::string ResultReason(const StationLog& log, const StationResult& station) {
    const long claimed = station.claimedFigures.qsos;
    const long final = station.finalFigures.qsos;
    const bool zero = station.finalScore == 0;
    const bool heavy = claimed > 0 && (claimed - final) * 3 > claimed;
    if (!zero && !heavy) {
        return {};
    }
    if (!log.qsos.empty() && std::all_of(log.qsos.begin(), log.qsos.end(), [](const LogQso& q) {
            return q.exchSent.find_first_not_of(" \t") == std::string::npos;
        })) {
        return "no sent exchange in the log: every QSO refused as without a number";
    }
    const std::size_t contest = static_cast<std::size_t>(
        std::count_if(log.qsos.begin(), log.qsos.end(),
                      [](const LogQso& q) { return q.band == "80m" && q.mode == "BPSK31"; }));
    if (contest * 2 < log.qsos.size()) {
        return "not a Sarnet Contest log: " + std::to_string(contest) + " of " +
               std::to_string(log.qsos.size()) + " QSOs are 80 m BPSK31";
    }
    if (claimed == 0) {
        return "the plug-in counted none of the QSOs: see its findings in the report";
    }
    std::vector<std::pair<int, QsoStatus>> removed;
    for (int i = 0; i < kQsoStatusCount; ++i) {
        const auto status = static_cast<QsoStatus>(i);
        const int count = station.counts[static_cast<std::size_t>(i)];
        if (!KeptForFinalScore(status) && count > 0) {
            removed.emplace_back(count, status);
        }
    }
    std::sort(removed.rbegin(), removed.rend());
    std::string text = "lost " + std::to_string(claimed - final) + " of " +
                       std::to_string(claimed) + " claimed QSOs";
    for (std::size_t i = 0; i < removed.size(); ++i) {
        text += (i == 0 ? ": " : ", ") + std::to_string(removed[i].first) + " " +
                StatusName(removed[i].second);
    }
    return text;
}
