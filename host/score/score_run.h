// One contest run through the plug-in's entry points, in the order the logging program
// uses them: ResetStats0, AddData0 for every QSO in time order, GetResult0.
#pragma once

#include <string>
#include <vector>

#include "host/common/log_qso.h"
#include "host/common/plugin_feed.h"
#include "host/common/plugin_loader.h"

struct ScoreRunResult {
    std::string summary;
    int scoreOut = 0;  // GetResult0's out-parameter: the score, or -1 in a Cabrillo run
};

ScoreRunResult RunScoring(const StatsEntryPoints& plugin, const std::vector<LogQso>& qsos,
                          const RunStart& start);
