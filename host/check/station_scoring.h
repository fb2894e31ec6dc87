// Scoring one station's log through the plug-in's entry points, as submitted and as it
// stands after the check, in a fresh work folder of the station's own: the plug-in writes
// its report and settings files in the current folder.
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

struct StationScores {
    StationScore claimed;
    StationScore final;
};

class StationScorer {
  public:
    // `workRoot` is a folder the scorer owns: each station gets a fresh folder under it,
    // which is removed again afterwards. `contestDays` is the contest date given to the
    // plug-in.
    StationScorer(const StatsEntryPoints& plugin, std::filesystem::path workRoot,
                  double contestDays);

    // Two contest runs, each fed exactly as sarnet-score feeds a log under the station's
    // call: `claimed` (the whole log) and `kept` (what stands), tidied (TidyLog) and in file
    // order; each is fed in time order.
    StationScores Score(const std::string& ownCall, const std::vector<LogQso>& claimed,
                        const std::vector<LogQso>& kept);

  private:
    StationScore Run(const std::filesystem::path& folder, const std::string& ownCall,
                     const std::vector<LogQso>& qsos);

    const StatsEntryPoints& m_plugin;
    std::filesystem::path m_workRoot;
    double m_contestDays;
    unsigned long m_stations = 0;
};
