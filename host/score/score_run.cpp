// The run itself; what the plug-in makes of it is in the summary and in its files.
#include "host/score/score_run.h"

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
