// Tallies over the scoring QSOs.
#include "host/score/worked_tally.h"

#include <algorithm>

#include "host/common/text_util.h"

WorkedTally TallyWorked(const std::vector<LogQso>& qsos, const std::vector<bool>& rejected) {
    WorkedTally tally;
    std::map<std::string, PrefixCount> prefixes;
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const LogQso& qso = qsos[i];
        if ((i < rejected.size() && rejected[i]) || qso.call.empty()) {
            continue;
        }
        PrefixCount& prefix = prefixes[qso.prefix];
        prefix.prefix = qso.prefix;
        prefix.entity = qso.entity;
        ++prefix.qsos;
        if (qso.prefix == kHomePrefix) {
            ++tally.countyQsos[CountyText(qso.exchRcvd)];
        }
    }
    for (auto& entry : prefixes) {
        tally.prefixes.push_back(std::move(entry.second));
    }
    std::stable_sort(tally.prefixes.begin(), tally.prefixes.end(),
                     [](const PrefixCount& a, const PrefixCount& b) { return a.qsos > b.qsos; });
    return tally;
}

std::vector<std::string> CountyCodes(const StatsEntryPoints& plugin) {
    std::vector<std::string> codes;
    std::string code = "AA";
    for (char first = 'A'; first <= 'Z'; ++first) {
        for (char second = 'A'; second <= 'Z'; ++second) {
            code[0] = first;
            code[1] = second;
            if (plugin.IsValidExchg0(code.c_str(), "", kHomePrefix, "", 0, 0, 0) != 0) {
                codes.push_back(code);
            }
        }
    }
    return codes;
}

std::string CountyOf(const std::string& exchange, const std::vector<std::string>& codes) {
    const std::string county = CountyText(exchange);
    return std::find(codes.begin(), codes.end(), county) != codes.end() ? county : std::string();
}

std::string CountyText(const std::string& exchange) {
    return Upper(Trim(exchange.size() <= 2 ? exchange : exchange.substr(exchange.size() - 2)));
}
