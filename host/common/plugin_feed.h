// A contest run fed to the plug-in as the logging program feeds it: ResetStats0 with the
// work folder, own call, dates and exchange suffix, AddData0 for every QSO in time order,
// then GetResult0.
#pragma once

#include <string>
#include <vector>

#include "host/common/log_qso.h"
#include "host/common/plugin_loader.h"

struct RunStart {
    std::string hostDirectory;  // the work folder with a trailing separator
    std::string ownCall;
    std::string ownExchangeSuffix;
    double contestDays = 0.0;  // midnight of the contest date: both contest dates
    bool cabrillo = false;     // the plug-in writes the Cabrillo log at every summary
};

struct ScoreRunResult {
    std::string summary;
    int scoreOut = 0;  // GetResult0's out-parameter: the score, or -1 in a Cabrillo run
};

// The whole run: ResetStats0, AddData0 for every QSO (logged under its own call when the log
// names one and under start.ownCall otherwise), then GetResult0. What the plug-in makes of it
// is in the summary and in its files.
ScoreRunResult RunScoring(const StatsEntryPoints& plugin, const std::vector<LogQso>& qsos,
                          const RunStart& start);

// The name of the rejected-QSO report the plug-in writes in the work folder of a run with
// that contest date (automation date).
std::string RejectedReportName(double contestDays);
