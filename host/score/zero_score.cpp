// A score of 0 comes from QSOs that all drew a finding: the findings say which rules, the
// QSOs whether the exchanges the number rule wants are there at all.
#include "host/score/zero_score.h"

#include <algorithm>
#include <map>

namespace {

std::string Qsos(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " QSO" : " QSOs");
}

std::string Have(std::size_t count) {
    return count == 1 ? " of the log has " : " of the log have ";
}

}  // namespace

std::vector<std::string> ZeroScoreReasons(const std::vector<LogQso>& qsos,
                                          const std::vector<RejectedQso>& findings,
                                          long countedQsos) {
    std::vector<std::string> reasons;
    if (countedQsos > 0 || qsos.empty()) {
        return reasons;
    }
    std::map<std::string, long> byKind;
    for (const RejectedQso& finding : findings) {
        const bool county = finding.reason.rfind("county code", 0) == 0;
        ++byKind[county ? "county code not acceptable" : finding.reason];
    }
    std::vector<std::pair<std::string, long>> kinds(byKind.begin(), byKind.end());
    std::stable_sort(kinds.begin(), kinds.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string list;
    for (const auto& [kind, count] : kinds) {
        list += (list.empty() ? "" : ", ") + kind + " " + std::to_string(count);
    }
    reasons.push_back("the score is 0: the plug-in counted none of the " + Qsos(qsos.size()) +
                      (list.empty() ? std::string() : " (its report: " + list + ")"));
    // The number rule wants both exchanges: which of them the log lacks.
    if (byKind.count("no number") == 0) {
        return reasons;
    }
    std::size_t sentMissing = 0;
    std::size_t receivedMissing = 0;
    for (const LogQso& qso : qsos) {
        sentMissing += qso.exchSent.empty() ? 1 : 0;
        receivedMissing += qso.exchRcvd.empty() ? 1 : 0;
    }
    if (sentMissing > 0) {
        reasons.push_back(Qsos(sentMissing) + Have(sentMissing) +
                          "no sent exchange (ADIF STX_STRING or STX, the "
                          "exchange after the sent call of a Cabrillo line), which the plug-in "
                          "needs on every QSO: log the exchange sent (a serial number)");
    }
    if (receivedMissing > 0) {
        reasons.push_back(Qsos(receivedMissing) + Have(receivedMissing) +
                          "no received exchange (ADIF SRX_STRING or SRX, the "
                          "exchange after the received call of a Cabrillo line), which the "
                          "plug-in needs on every QSO");
    }
    return reasons;
}
