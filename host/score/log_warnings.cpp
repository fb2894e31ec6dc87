// Each warning is one line that says what was found and what to do about it.
#include "host/score/log_warnings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <utility>

#include "host/common/automation_date.h"
#include "host/common/text_util.h"
#include "host/score/worked_tally.h"

namespace {

constexpr double kLongestContestDays = 2.0;

std::string DateText(double days) {
    return FormatAutomationDate(days, "%Y-%m-%d");
}

constexpr std::size_t kListedGroups = 6;

// When most QSOs are not on 80 m in BPSK31, the contest's band and mode as the plug-in judges
// them, the QSOs by band and mode, most first.
std::optional<std::string> OtherContestWarning(const std::vector<LogQso>& qsos) {
    std::map<std::string, long> groups;
    long inContest = 0;
    for (const LogQso& qso : qsos) {
        const std::string band = Lower(qso.band);
        if (band == "80m" && Upper(qso.mode) == "BPSK31") {
            ++inContest;
        } else {
            ++groups[(band.empty() ? "no band" : Printable(band)) + " " +
                     (qso.mode.empty() ? "no mode" : Printable(qso.mode))];
        }
    }
    const long total = static_cast<long>(qsos.size());
    if (inContest * 2 >= total) {
        return std::nullopt;
    }
    std::vector<std::pair<std::string, long>> sorted(groups.begin(), groups.end());
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string list;
    long others = 0;
    for (std::size_t i = 0; i < sorted.size(); ++i) {
        if (i < kListedGroups) {
            list += (list.empty() ? "" : ", ") + sorted[i].first + " " +
                    std::to_string(sorted[i].second);
        } else {
            others += sorted[i].second;
        }
    }
    if (others > 0) {
        list += ", other bands and modes " + std::to_string(others);
    }
    return std::to_string(inContest) + " of " + std::to_string(total) + " QSOs are 80 m BPSK31 (" +
           list + "): is this a Sarnet Contest log?";
}

}  // namespace

std::vector<std::string> LogWarnings(const std::vector<LogQso>& qsos,
                                     const WarningContext& context) {
    std::vector<std::string> warnings;
    if (qsos.empty()) {
        return warnings;
    }
    if (std::optional<std::string> warning = OtherContestWarning(qsos)) {
        warnings.push_back(std::move(*warning));
    }
    const double first = qsos.front().days;
    const double last = qsos.back().days;
    const std::string span = DateText(first) + " to " + DateText(last);
    if (context.givenDate) {
        const bool matched = std::any_of(qsos.begin(), qsos.end(), [&](const LogQso& qso) {
            return std::floor(qso.days) == *context.givenDate;
        });
        if (!matched) {
            warnings.push_back("--date " + DateText(*context.givenDate) +
                               " matches no QSO of the log (its QSOs are from " + span +
                               "): the report and the summary carry that date");
        }
    }
    if (last - first > kLongestContestDays) {
        char hours[32];
        std::snprintf(hours, sizeof hours, "%.0f", (last - first) * 24.0);
        warnings.push_back("the QSOs span " + std::string(hours) + " hours (" + span +
                           "), more than 48: does the file hold QSOs of other contests?");
    }
    std::set<std::string> ownCalls;
    for (const LogQso& qso : qsos) {
        if (!qso.ownCall.empty()) {
            ownCalls.insert(qso.ownCall);
        }
    }
    if (ownCalls.size() > 1) {
        std::string list;
        for (const std::string& call : ownCalls) {
            list += (list.empty() ? "" : ", ") + Printable(call);
        }
        warnings.push_back("the log names " + std::to_string(ownCalls.size()) + " own calls (" +
                           list + "): the summary and the Cabrillo log are for " +
                           Printable(context.ownCall));
    }
    if (context.ownCallIsHome) {
        const auto missing = std::count_if(qsos.begin(), qsos.end(), [&](const LogQso& qso) {
            return CountyOf(qso.exchSent + context.ownExchangeSuffix, context.countyCodes).empty();
        });
        if (missing > 0) {
            warnings.push_back(std::to_string(missing) + " of " + std::to_string(qsos.size()) +
                               " sent exchanges carry no county code, which " +
                               Printable(context.ownCall) +
                               " sends as a home-country station: give it with --suffix "
                               "(for example --suffix NT)");
        }
    }
    return warnings;
}
