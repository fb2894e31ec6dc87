// Hourly tallies come from the plug-in itself: the Total row of a summary taken whenever
// the next QSO falls in another hour, minus the Total of the previous snapshot. So the
// chart counts exactly what the plug-in scores (dupes and bad QSOs excluded).
#include "host/score/score_run.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "host/common/automation_date.h"
#include "host/common/plugin_feed.h"
#include "host/common/summary_reader.h"

namespace {

long HourOf(double days) {
    return static_cast<long>(std::floor(days * 24.0 + 1e-9));
}

std::string HourLabel(long hour) {
    const CalendarTime date = FromAutomationDate(static_cast<double>(hour) / 24.0 + 1e-9);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02ld:00", date.year, date.month, date.day,
                  ((hour % 24) + 24) % 24);
    return buffer;
}

}  // namespace

ScoreRunResult RunScoring(const StatsEntryPoints& plugin, const std::vector<LogQso>& qsos,
                          const ScoreRunSettings& settings) {
    ContestStart start;
    start.hostDirectory = settings.hostDirectory;
    start.ownCall = settings.ownCall;
    start.ownExchangeSuffix = settings.ownExchangeSuffix;
    start.contestDays = settings.contestDays;
    start.cabrillo = settings.cabrillo;
    StartContest(plugin, start);
    ScoreRunResult result;
    std::map<long, HourTally> hours;
    SummaryRow previous;
    auto snapshot = [&](long hour) {
        int score = 0;
        const char* text = plugin.GetResult0(&score);
        const auto figures = ReadSummary(text != nullptr ? text : "");
        if (!figures) {
            return;
        }
        HourTally& tally = hours[hour];
        tally.qsos += figures->total.qsos - previous.qsos;
        tally.points += figures->total.points - previous.points;
        previous = figures->total;
    };
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        FeedQso(plugin, qsos[i], settings.ownCall);
        if (settings.hourlyTallies) {
            const long hour = HourOf(qsos[i].days);
            if (i + 1 == qsos.size() || HourOf(qsos[i + 1].days) != hour) {
                snapshot(hour);
            }
        }
    }
    int score = 0;
    const char* text = plugin.GetResult0(&score);
    result.summary = text != nullptr ? text : "";
    result.scoreOut = score;
    if (!hours.empty()) {
        const long first = hours.begin()->first;
        const long last = hours.rbegin()->first;
        // Quiet hours inside the contest show as empty bars; a stray date far away does not
        // stretch the chart over weeks.
        const bool fillGaps = last - first <= 96;
        for (long hour = first; hour <= last; ++hour) {
            const auto found = hours.find(hour);
            if (found == hours.end() && !fillGaps) {
                continue;
            }
            HourTally tally = found != hours.end() ? found->second : HourTally{};
            tally.label = HourLabel(hour);
            result.hours.push_back(tally);
        }
    }
    return result;
}

const char* CallCheckMeaning(int code) {
    switch (code) {
        case 0:
            return "duplicate: already worked on this band and mode";
        case 1:
            return "not a duplicate; its DXCC prefix is already worked on this band";
        case 2:
            return "not a duplicate; a new DXCC prefix on this band";
        case 4:
            return "band or mode outside the contest";
        default:
            return "unknown code";
    }
}

int CheckCall(const StatsEntryPoints& plugin, const std::string& call, const std::string& prefix) {
    std::string buffer27(256, '\0');
    std::string buffer28(256, '\0');
    return plugin.CheckCall0(call.c_str(), 0, 0, "BPSK31", "", "", "", "", "", "", "", "", "",
                             prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "", "", "", "80m", "80m",
                             buffer27.data(), buffer28.data());
}

int ValidateExchange(const StatsEntryPoints& plugin, const std::string& exchange,
                     const std::string& prefix) {
    return plugin.IsValidExchg0(exchange.c_str(), "", prefix.c_str(), "", 0, 0, 0);
}
