// The order matters for what a failure leaves behind: everything that can stop the whole
// run (country file, plug-in, results folder) is tried before any result is written.
#include "host/check/check_run.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <filesystem>
#include <system_error>

#include "host/check/categories.h"
#include "host/check/csv_files.h"
#include "host/check/log_collection.h"
#include "host/check/overrides.h"
#include "host/check/results_page.h"
#include "host/check/safe_file_name.h"
#include "host/check/scratch_folder.h"
#include "host/check/station_report.h"
#include "host/check/station_scoring.h"
#include "host/check/time_text.h"
#include "host/common/atomic_file.h"
#include "host/common/cty_database.h"
#include "host/common/file_paths.h"
#include "host/common/log_input.h"

namespace {

namespace fs = std::filesystem;

// "libStats.so of 2026-12-09": a file as the published pages name it, without its folder.
std::string NameAndDate(const std::string& path) {
    std::error_code error;
    const auto written = fs::last_write_time(path, error);
    std::string text = fs::path(path).filename().string();
    if (!error) {
        const auto sinceEpoch = std::chrono::duration_cast<std::chrono::seconds>(
            written - fs::file_time_type::clock::now() +
            std::chrono::system_clock::now().time_since_epoch());
        const double days = 25569.0 + static_cast<double>(sinceEpoch.count()) / 86400.0;
        text += " of " + FormatUtcMinute(days).substr(0, 10);
    }
    return text;
}

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
        const StationScores scores = scorer.Score(station.call, claimed, kept);
        // The QSOs as the plug-in counts them (no duplicates, nothing it refused).
        if (const auto figures = ReadSummary(scores.claimed.summary)) {
            result.claimedFigures = figures->total;
        }
        if (const auto figures = ReadSummary(scores.final.summary)) {
            result.finalFigures = figures->total;
        }
        result.claimedQsos = static_cast<std::size_t>(std::max(0L, result.claimedFigures.qsos));
        result.finalQsos = static_cast<std::size_t>(std::max(0L, result.finalFigures.qsos));
        const CtyEntity* entity = cty.Lookup(station.call);
        result.kind = entity != nullptr && entity->primaryPrefix == "YO" ? "YO" : "DX";
        result.category = CategoryOf(station);
        result.checklog = IsChecklog(station);
        result.claimedScore = scores.claimed.score;
        result.finalScore = scores.final.score;
        result.pluginSummary = scores.final.summary;
        result.pluginFindings = scores.final.findings;
        result.scoringError =
            !scores.final.error.empty() ? scores.final.error : scores.claimed.error;
        result.reason = ResultReason(station, result);
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
        write(outDir / StationPageName(station), BuildStationPage(results, station));
    }
    write(outDir / "index.html", BuildResultsPage(results));
    return ok;
}

// Why the results folder cannot be replaced by this run's: it holds or is a folder of logs or
// a log named on the command line, or it holds files that are no earlier run's results (an
// earlier run's folder holds results.csv and findings.csv beside the reports and pages).
// Empty when it can.
std::string RefusedResultsFolder(const fs::path& outDir, const std::vector<std::string>& inputs) {
    std::error_code error;
    const fs::path out = fs::weakly_canonical(outDir, error);
    for (const std::string& input : inputs) {
        const fs::path path = fs::weakly_canonical(AbsolutePath(input), error);
        const auto [outEnd, pathEnd] =
            std::mismatch(out.begin(), out.end(), path.begin(), path.end());
        if (outEnd == out.end()) {
            return "the results folder " + outDir.string() + " holds the logs " + input +
                   ", and a run replaces the results folder as a whole: name another --out";
        }
    }
    if (!fs::is_directory(outDir, error) || fs::is_empty(outDir, error)) {
        return {};
    }
    if (fs::exists(outDir / "results.csv", error) && fs::exists(outDir / "findings.csv", error)) {
        for (fs::directory_iterator it(outDir, error), end; !error && it != end;
             it.increment(error)) {
            const std::string extension = it->path().extension().string();
            if (!it->is_regular_file(error) ||
                (extension != ".csv" && extension != ".txt" && extension != ".html")) {
                return "the results folder " + outDir.string() + " holds " +
                       it->path().filename().string() +
                       ", which is no result of an earlier run, and a run replaces the results "
                       "folder as a whole: name another --out";
            }
        }
        return {};
    }
    return "the results folder " + outDir.string() +
           " is neither empty nor the results of an earlier run (results.csv, findings.csv), and a "
           "run replaces the results folder as a whole: name another --out";
}

// A folder beside the results folder for this run's files: "<name>.new-<number>".
fs::path StagingFolder(const fs::path& outDir, const char* what) {
    std::random_device random;
    return outDir.parent_path() /
           (outDir.filename().string() + "." + what + "-" + std::to_string(random() % 1000000));
}

// The run's files take the results folder's place only once all were written: a rerun
// leaves no file of an earlier run behind, and a failed one leaves the last good results.
bool PublishResults(const fs::path& staging, const fs::path& outDir, std::ostream& err) {
    std::error_code error;
    const fs::path old = StagingFolder(outDir, "old");
    const bool hadResults = fs::exists(outDir, error);
    if (hadResults) {
        fs::rename(outDir, old, error);
        if (error) {
            err << "sarnet-check: cannot replace " << outDir.string() << ": " << error.message()
                << "; this run's results are in " << staging.string() << '\n';
            return false;
        }
    }
    fs::rename(staging, outDir, error);
    if (error) {
        err << "sarnet-check: cannot move the results into " << outDir.string() << ": "
            << error.message() << "; they are in " << staging.string() << '\n';
        if (hadResults) {
            std::error_code back;
            fs::rename(old, outDir, back);
        }
        return false;
    }
    if (hadResults) {
        fs::remove_all(old, error);
    }
    return true;
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
    const fs::path outDir = AbsolutePath(options.outDir).lexically_normal();
    std::error_code fsError;
    if (fs::exists(outDir, fsError) && !fs::is_directory(outDir, fsError)) {
        return fail("the results folder " + outDir.string() + " is a file");
    }
    // The results folder is replaced as a whole: it may only be a new or empty folder or the
    // results of an earlier run, and never hold the logs.
    if (const std::string refusal = RefusedResultsFolder(outDir, options.inputs);
        !refusal.empty()) {
        return fail(refusal);
    }
    // This run writes into a fresh folder beside the results folder (on the same disk, so it
    // can take its place at once).
    fs::create_directories(outDir.parent_path(), fsError);
    const fs::path staging = StagingFolder(outDir, "new");
    fs::create_directory(staging, fsError);
    if (!fs::is_directory(staging, fsError)) {
        return fail("cannot make a folder beside the results folder " + outDir.string());
    }
    struct StagingCleanup {
        fs::path folder;
        ~StagingCleanup() {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    } cleanup{staging};
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
    results.inputs = options.inputs;
    results.pluginText = NameAndDate(pluginPath);
    results.ctyText = NameAndDate(options.ctyPath);
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
    if (!WriteResults(staging, results, err) || !PublishResults(staging, outDir, err)) {
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
