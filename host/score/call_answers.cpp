// The call check's codes: 0 duplicate, 1 prefix already worked, 2 new prefix, 4 band or mode
// outside the contest.
#include "host/score/call_answers.h"

#include "host/common/automation_date.h"
#include "host/common/log_normalizer.h"
#include "host/common/text_util.h"

namespace {

constexpr const char* kCheckBand = "80m";
constexpr const char* kCheckMode = "BPSK31";

std::string Returned(const char* entryPoint, int code, bool verbose) {
    return verbose ? " [" + std::string(entryPoint) + " returned " + std::to_string(code) + "]"
                   : std::string();
}

}  // namespace

std::string AnswerCallCheck(const StatsEntryPoints& plugin, const std::string& call,
                            const CtyDatabase& cty, const std::vector<LogQso>& qsos, bool verbose) {
    const std::string asked = NormaliseCall(call);
    const CtyEntity* entity = cty.Lookup(asked);
    const std::string prefix = entity != nullptr ? entity->primaryPrefix : std::string();
    std::string buffer27(256, '\0');
    std::string buffer28(256, '\0');
    const int code = plugin.CheckCall0(
        asked.c_str(), 0, 0, kCheckMode, "", "", "", "", "", "", "", "", "", prefix.c_str(), 0, 0,
        0, 0.0, 0.0, "", "", "", "", "", kCheckBand, kCheckBand, buffer27.data(), buffer28.data());
    const std::string shownPrefix = prefix.empty() ? "(not in the country file)" : prefix;
    std::string answer;
    switch (code) {
        case 0: {
            answer = "duplicate";
            for (const LogQso& qso : qsos) {
                if (qso.call == asked && Lower(qso.band) == kCheckBand && qso.mode == kCheckMode) {
                    answer += ": worked " + FormatAutomationDate(qso.days, "%H:%M") + " UTC on " +
                              qso.band;
                    break;
                }
            }
            break;
        }
        case 1:
            answer =
                "not a duplicate; DXCC prefix " + shownPrefix + " already worked on " + kCheckBand;
            break;
        case 2:
            answer = "new DXCC prefix " + shownPrefix;
            break;
        case 4:
            answer = "band or mode outside the contest";
            break;
        default:
            answer = "an answer the plug-in does not define";
            break;
    }
    return Printable(asked) + ": " + answer + Returned("CheckCall0", code, verbose);
}

std::string AnswerExchange(const StatsEntryPoints& plugin, const std::string& exchange,
                           const std::string& prefix, const std::vector<std::string>& countyCodes,
                           const WorkedTally& worked, bool verbose) {
    const std::string received = Upper(Trim(exchange));
    const std::string station = NormaliseCall(prefix);
    const int valid = plugin.IsValidExchg0(received.c_str(), "", station.c_str(), "", 0, 0, 0);
    std::string answer = Printable(received) + " from " + Printable(station) + ": " +
                         (valid != 0 ? "valid" : "invalid");
    const std::string county = CountyOf(received, countyCodes);
    if (valid != 0 && station == kHomePrefix && !county.empty()) {
        const auto found = worked.countyQsos.find(county);
        answer += found == worked.countyQsos.end()
                      ? ", new county " + county
                      : ", county " + county + " already worked (" + std::to_string(found->second) +
                            (found->second == 1 ? " QSO)" : " QSOs)");
    }
    return answer + Returned("IsValidExchg0", valid, verbose);
}
