// A scoring run: settings that keep the status window closed, ResetStats0, AddData0 for
// each QSO, GetResult0, then the plug-in's report read back.
#include "host/check/station_scoring.h"

#include <fstream>
#include <system_error>
#include <utility>

#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/common/plugin_feed.h"
#include "host/common/text_util.h"

namespace {

namespace fs = std::filesystem;

// Back to the folder the program was in, whatever happens in between.
class CurrentFolder {
  public:
    explicit CurrentFolder(const fs::path& folder, std::error_code* error) {
        m_previous = fs::current_path(*error);
        if (!*error) {
            fs::current_path(folder, *error);
        }
    }
    ~CurrentFolder() {
        std::error_code ignored;
        fs::current_path(m_previous, ignored);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    fs::path m_previous;
};

// ResetStats0 opens the status window when the settings say it did not run last time;
// "Start" at 1 tells it to stay closed, as in a logging program's Cabrillo run.
bool WriteQuietSettings(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder / "Plugins", error);
    std::ofstream file(folder / "Plugins" / "Sarnet.ini", std::ios::binary);
    file << "[Settings]\r\nStart=1\r\n";
    return !error && file.good();
}

// The findings of the plug-in's report, without its title line.
std::vector<std::string> ReportLines(const fs::path& report) {
    std::vector<std::string> lines;
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(report, kLargestInputFile, &bytes, &error)) {
        return lines;
    }
    const std::vector<std::string_view> all = Lines(bytes);
    for (std::size_t i = 1; i < all.size(); ++i) {
        if (!all[i].empty()) {
            lines.emplace_back(all[i]);
        }
    }
    return lines;
}

}  // namespace

StationScorer::StationScorer(const StatsEntryPoints& plugin, fs::path workRoot, double contestDays)
    : m_plugin(plugin), m_workRoot(std::move(workRoot)), m_contestDays(contestDays) {}

StationScores StationScorer::Score(const std::string& ownCall, const std::vector<LogQso>& claimed,
                                   const std::vector<LogQso>& kept) {
    StationScores scores;
    const fs::path folder = m_workRoot / ("station" + std::to_string(++m_stations));
    std::error_code error;
    if (!fs::create_directories(folder, error)) {
        scores.claimed.error = "cannot make the work folder " + folder.string();
        scores.final.error = scores.claimed.error;
        return scores;
    }
    scores.claimed = Run(folder, ownCall, claimed);
    scores.final = Run(folder, ownCall, kept);
    fs::remove_all(folder, error);
    return scores;
}

// ResetStats0 empties the plug-in's report, so the second run's report holds only its own
// findings.
StationScore StationScorer::Run(const fs::path& folder, const std::string& ownCall,
                                const std::vector<LogQso>& qsos) {
    StationScore result;
    std::error_code error;
    CurrentFolder inside(folder, &error);
    if (error || !WriteQuietSettings(folder)) {
        result.error = "cannot use the work folder " + folder.string();
        return result;
    }
    std::vector<LogQso> fed = qsos;
    SortByTime(&fed);
    RunStart start;
    start.hostDirectory = folder.string();
    start.hostDirectory += static_cast<char>(fs::path::preferred_separator);
    start.ownCall = ownCall;
    start.contestDays = m_contestDays;
    ScoreRunResult run = RunScoring(m_plugin, fed, start);
    result.score = run.scoreOut;
    result.summary = std::move(run.summary);
    result.findings = ReportLines(folder / RejectedReportName(m_contestDays));
    return result;
}
