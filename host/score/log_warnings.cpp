// Each warning is one line that says what was found and what to do about it.
#include "host/score/log_warnings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "host/common/automation_date.h"
#include "host/common/text_util.h"
#include "host/score/worked_tally.h"

namespace {

constexpr double kLongestContestDays = 2.0;

std::string DateText(double days) {
    return FormatAutomationDate(days, "%Y-%m-%d");
}

}  // namespace

std::vector<std::string> LogWarnings(const std::vector<LogQso>& qsos,
                                     const WarningContext& context) {
    std::vector<std::string> warnings;
    if (qsos.empty()) {
        return warnings;
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
