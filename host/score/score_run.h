// One contest run through the plug-in's entry points, in the order the logging program
// uses them: ResetStats0, AddData0 for every QSO in log order, GetResult0.
#pragma once

#include <string>
#include <vector>

#include "host/common/log_qso.h"
#include "host/common/plugin_loader.h"
#include "host/score/report_page.h"

struct ScoreRunSettings {
    std::string hostDirectory;  // the work folder with a trailing separator
    std::string ownCall;
    std::string ownExchangeSuffix;
    double contestDays = 0.0;  // midnight of the contest date
    bool cabrillo = false;
    bool hourlyTallies = false;  // ask for a summary at every hour change of the log
};

struct ScoreRunResult {
    std::string summary;
    int scoreOut = 0;  // GetResult0's out-parameter: the score, or -1 in a Cabrillo run
    std::vector<HourTally> hours;
};

ScoreRunResult RunScoring(const StatsEntryPoints& plugin, const std::vector<LogQso>& qsos,
                          const ScoreRunSettings& settings);

// The meaning of a CheckCall0 code.
const char* CallCheckMeaning(int code);

int CheckCall(const StatsEntryPoints& plugin, const std::string& call, const std::string& prefix);

int ValidateExchange(const StatsEntryPoints& plugin, const std::string& exchange,
                     const std::string& prefix);
