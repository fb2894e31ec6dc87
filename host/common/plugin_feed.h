// A contest run fed to the plug-in as the logging program feeds it: ResetStats0 with the
// work folder, own call, dates and exchange suffix, then AddData0 for every QSO.
#pragma once

#include <string>

#include "host/common/log_qso.h"
#include "host/common/plugin_loader.h"

struct RunStart {
    std::string hostDirectory;  // the work folder with a trailing separator
    std::string ownCall;
    std::string ownExchangeSuffix;
    double contestDays = 0.0;  // midnight of the contest date: both contest dates
    bool cabrillo = false;     // the plug-in writes the Cabrillo log at every summary
};

void StartRun(const StatsEntryPoints& plugin, const RunStart& start);

// One QSO, logged under its own call when the log names one and under ownCall otherwise.
void FeedQso(const StatsEntryPoints& plugin, const LogQso& qso, const std::string& ownCall);
