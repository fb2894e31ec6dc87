// The entry-point calls of a contest run. The host passes no QSO end time, no dates other
// than the QSO's own, and empty texts for the fields it does not log.
#include "host/common/plugin_feed.h"

#include "host/common/automation_date.h"

namespace {

constexpr StatsDateTime kNullDate{0.0, 2};

void StartRun(const StatsEntryPoints& plugin, const RunStart& start) {
    const StatsDateTime contestDate{start.contestDays, 0};
    plugin.ResetStats0(start.hostDirectory.c_str(), start.cabrillo ? 1 : 0, start.ownCall.c_str(),
                       &contestDate, &contestDate, "", "", "", "", "", "", "", "", "",
                       start.ownExchangeSuffix.c_str(), 0, 0, 0, 0.0, 0.0, "", "", "");
}

void FeedQso(const StatsEntryPoints& plugin, const LogQso& qso, const std::string& ownCall) {
    const StatsDateTime time{qso.days, 0};
    const std::string& logged = qso.ownCall.empty() ? ownCall : qso.ownCall;
    plugin.AddData0(logged.c_str(), qso.call.c_str(), &time, &kNullDate, &kNullDate, &kNullDate, 0,
                    qso.frequencyHz, qso.mode.c_str(), qso.rstSent.c_str(), qso.rstRcvd.c_str(),
                    qso.exchSent.c_str(), qso.exchRcvd.c_str(), "", "", "", "", "", "", "", "", "",
                    qso.prefix.c_str(), 0, 0, 0, 0.0, 0.0, "", qso.entity.c_str(), "",
                    qso.band.c_str(), "");
}

}  // namespace

ScoreRunResult RunScoring(const StatsEntryPoints& plugin, const std::vector<LogQso>& qsos,
                          const RunStart& start) {
    StartRun(plugin, start);
    for (const LogQso& qso : qsos) {
        FeedQso(plugin, qso, start.ownCall);
    }
    ScoreRunResult result;
    int score = 0;
    const char* text = plugin.GetResult0(&score);
    result.summary = text != nullptr ? text : "";
    result.scoreOut = score;
    return result;
}

std::string RejectedReportName(double contestDays) {
    return FormatAutomationDate(contestDays, "BadQSO_StatsSarnet_%d_%m_%Y.txt");
}
