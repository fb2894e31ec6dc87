// Scoring one station's log through the plug-in's entry points, in a fresh work folder of
// its own each time: the plug-in writes its report and settings files in the current
// folder.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/check/station_log.h"
#include "host/common/plugin_loader.h"

struct StationScore {
    int score = 0;
    std::string summary;                // the plug-in's text summary
    std::vector<std::string> findings;  // the lines of its rejected-QSO report
    std::string error;                  // set when the log could not be scored
};

class StationScorer {
  public:
    // `workRoot` is a folder the scorer owns: each run gets a fresh folder under it, which
    // is removed again afterwards. `contestDays` is the contest date given to the plug-in.
    StationScorer(const StatsEntryPoints& plugin, std::filesystem::path workRoot,
                  double contestDays);

    // Feeds `qsos` (the log's QSOs or a part of them, in file order) exactly as sarnet-score
    // feeds a log, with the station's call, and reads the score, the summary and the
    // report.
    StationScore Score(const std::string& ownCall, const std::vector<LogQso>& qsos);

  private:
    const StatsEntryPoints& m_plugin;
    std::filesystem::path m_workRoot;
    double m_contestDays;
    unsigned long m_runs = 0;
};
