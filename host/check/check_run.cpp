// The order matters for what a failure leaves behind: everything that can stop the whole
// run (country file, plug-in, results folder) is tried before any result is written.
#include "host/check/check_run.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "host/check/csv_files.h"
#include "host/check/log_collection.h"
#include "host/check/overrides.h"
#include "host/check/results_page.h"
#include "host/check/safe_file_name.h"
#include "host/check/scratch_folder.h"
#include "host/check/station_report.h"
#include "host/check/station_scoring.h"
#include "host/common/atomic_file.h"
#include "host/common/cty_database.h"
#include "host/common/file_paths.h"
#include "host/common/log_input.h"

namespace {

namespace fs = std::filesystem;

// The contest date the plug-in is given: that of the period's start, else of the first QSO.
double ContestDate(const CheckOptions& options, const std::vector<StationLog>& logs) {
    if (options.startDays) {
        return std::floor(*options.startDays);
    }
    double first = 0.0;
    bool any = false;
    for (const StationLog& log : logs) {
        for (const LogQso& qso : log.qsos) {
            if (!any || qso.days < first) {
                first = qso.days;
                any = true;
            }
        }
    }
    return std::floor(first);
}

void ScoreStations(const StatsEntryPoints& plugin, const CtyDatabase& cty, const fs::path& workRoot,
                   double contestDays, CheckResults* results) {
    StationScorer scorer(plugin, workRoot, contestDays);
    ReportFileNames names;
    for (std::uint32_t log = 0; log < results->logs.size(); ++log) {
        const StationLog& station = results->logs[log];
        const StationFindings& findings = results->findings[log];
        StationResult result;
        result.log = log;
        result.reportName = names.Claim(station.call);
        std::vector<LogQso> claimed = station.qsos;
        AssignPrefixes(cty, &claimed);
        std::vector<LogQso> kept;
        for (std::size_t i = 0; i < claimed.size(); ++i) {
            const QsoStatus status = findings.qsos[i].status;
            ++result.counts[static_cast<std::size_t>(status)];
            if (KeptForFinalScore(status)) {
                kept.push_back(claimed[i]);
            }
        }
        result.claimedQsos = claimed.size();
        result.finalQsos = kept.size();
        const StationScores scores = scorer.Score(station.call, claimed, kept);
        result.claimedScore = scores.claimed.score;
        result.finalScore = scores.final.score;
        result.pluginSummary = scores.final.summary;
        result.pluginFindings = scores.final.findings;
        result.scoringError =
            !scores.final.error.empty() ? scores.final.error : scores.claimed.error;
        results->stations.push_back(std::move(result));
    }
}

bool WriteResults(const fs::path& outDir, const CheckResults& results, std::ostream& err) {
    bool ok = true;
    const auto write = [&](const fs::path& path, const std::string& content) {
        std::string reason;
        if (!WriteFileAtomically(path, content, &reason)) {
            err << "sarnet-check: cannot write " << path.string() << ": " << reason << '\n';
            ok = false;
        }
    };
    write(outDir / "findings.csv", BuildFindingsCsv(results));
    write(outDir / "results.csv", BuildResultsCsv(results));
    for (const StationResult& station : results.stations) {
        write(outDir / station.reportName, BuildStationReport(results, station));
    }
    write(outDir / "index.html", BuildResultsPage(results));
    return ok;
}

}  // namespace

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& err) {
    const auto fail = [&](const std::string& message) {
        err << "sarnet-check: " << message << '\n';
        return kExitCannotRun;
    };
    std::string error;
    std::vector<Override> overrides;
    if (!options.overridesPath.empty()) {
        std::string text;
        if (!ReadWholeFile(options.overridesPath, kLargestInputFile, &text, &error) ||
            !ParseOverrides(text, options.overridesPath, &overrides, &error)) {
            err << "sarnet-check: " << error << '\n';
            return kExitUsage;
        }
    }
    CtyDatabase cty;
    if (!LoadCtyDatabase(options.ctyPath, &cty, &error)) {
        return fail(error);
    }
    const std::string pluginPath =
        AbsolutePath(options.pluginPath.empty() ? DefaultPluginPath()
                                                : fs::path(options.pluginPath))
            .string();
    StatsPlugin plugin;
    if (!plugin.Load(pluginPath, &error)) {
        return fail(error);
    }
    const fs::path outDir = AbsolutePath(options.outDir);
    std::error_code fsError;
    fs::create_directories(outDir, fsError);
    if (!fs::is_directory(outDir, fsError)) {
        return fail("cannot make the results folder " + outDir.string());
    }
    if (!WriteFileAtomically(outDir / ".sarnet-check-probe", "", &error) ||
        !fs::remove(outDir / ".sarnet-check-probe", fsError)) {
        return fail("cannot write in the results folder " + outDir.string() + ": " + error);
    }
    ScratchFolder workRoot;
    if (!workRoot.Create(&error)) {
        return fail("the plug-in's work folders: " + error);
    }

    CollectedLogs collected = CollectLogs(options.inputs, options.callFromName);
    for (const std::string& line : collected.errors) {
        err << "sarnet-check: " << line << '\n';
    }
    CheckResults results;
    results.logs = std::move(collected.logs);
    results.errors = std::move(collected.errors);
    results.settings.windowMinutes = options.windowMinutes;
    results.settings.startDays = options.startDays;
    results.settings.endDays = options.endDays;
    results.startText = options.startText;
    results.endText = options.endText;
    results.pluginPath = pluginPath;
    results.ctyPath = AbsolutePath(options.ctyPath).string();
    for (const StationLog& log : results.logs) {
        if (!log.headerCall.empty()) {
            err << "sarnet-check: " << log.file << ": " << log.notes.back() << '\n';
        }
        if (!log.unreadable.empty()) {
            err << "sarnet-check: " << log.file << ": " << log.unreadable.size()
                << (log.unreadable.size() == 1 ? " line" : " lines")
                << " cannot be read, each UNREADABLE in the findings; the rest is checked ("
                << log.unreadable.front().reason << ")\n";
        }
    }
    results.findings = CrossCheck(results.logs, results.settings);
    if (!ApplyOverrides(overrides, results.logs, &results.findings, &error)) {
        err << "sarnet-check: " << options.overridesPath << ": " << error << '\n';
        return kExitUsage;
    }
    ScoreStations(plugin, cty, workRoot.Path(), ContestDate(options, results.logs), &results);
    SortByFinalScore(&results);
    // A station the plug-in could not score stands in the results with no score: the run
    // has not done its work.
    std::size_t unscored = 0;
    for (const StationResult& station : results.stations) {
        if (!station.scoringError.empty()) {
            err << "sarnet-check: " << results.logs[station.log].call
                << " could not be scored: " << station.scoringError << '\n';
            ++unscored;
        }
    }
    if (!WriteResults(outDir, results, err)) {
        return kExitCannotRun;
    }
    out << "sarnet-check: " << results.logs.size() << " logs with " << TotalQsos(results)
        << " QSOs checked; " << results.errors.size() << " left out; results in " << outDir.string()
        << '\n';
    if (unscored > 0) {
        return kExitCannotRun;
    }
    return results.errors.empty() ? kExitChecked : kExitLogsLeftOut;
}
