// sarnet-score: scores a contest log through the Stats plug-in from the command line.
// Everything that can fail on bad input is read and checked before the plug-in is loaded,
// so a failed run leaves no half-written report behind.
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "host/common/automation_date.h"
#include "host/common/cty_database.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/score/options.h"
#include "host/common/plugin_loader.h"
#include "host/score/report_page.h"
#include "host/score/score_run.h"
#include "host/common/summary_reader.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitUsage = 1;
constexpr int kExitInput = 2;
constexpr int kExitRun = 3;

int Fail(int status, const std::string& message) {
    std::cerr << "sarnet-score: " << message << '\n';
    if (status == kExitUsage) {
        std::cerr << "Try 'sarnet-score --help'.\n";
    }
    return status;
}

std::string Absolute(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(fs::path(path), error);
    return error ? path : absolute.lexically_normal().string();
}

// Written next to the target and renamed over it, so a reader never sees half a page.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error) {
    const std::string temporary = path + ".tmp";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        *error = "cannot write " + path;
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const bool closed = std::fclose(file) == 0;
#ifdef _WIN32
    const bool renamed = written && closed &&
                         MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
#else
    const bool renamed = written && closed && std::rename(temporary.c_str(), path.c_str()) == 0;
#endif
    if (!renamed) {
        std::remove(temporary.c_str());
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

std::string FirstOwnCall(const LogReadResult& log) {
    if (!log.ownCall.empty()) {
        return log.ownCall;
    }
    for (const LogQso& qso : log.qsos) {
        if (!qso.ownCall.empty()) {
            return qso.ownCall;
        }
    }
    return {};
}

void NoteFile(const fs::path& path) {
    std::error_code error;
    if (fs::exists(path, error)) {
        std::cerr << "sarnet-score: wrote " << path.string() << '\n';
    }
}

int Run(const ScoreOptions& options) {
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(options.logFile, &bytes, &error)) {
        return Fail(kExitInput, error);
    }
    LogReadResult log = ParseLog(bytes, options.logFile);
    if (log.error) {
        return Fail(kExitInput, log.error->Format());
    }
    std::string ctyBytes;
    if (!ReadWholeFile(options.ctyPath, &ctyBytes, &error)) {
        return Fail(kExitInput, error +
                                    " (the country file: install the hamradio-files package "
                                    "or give --cty PATH)");
    }
    std::optional<InputError> ctyError;
    const CtyDatabase cty = CtyDatabase::Parse(ctyBytes, options.ctyPath, &ctyError);
    if (ctyError) {
        return Fail(kExitInput, ctyError->Format());
    }
    AssignPrefixes(cty, &log.qsos);
    for (const std::string& note : NormaliseLog(&log.qsos, options.ownExchangeSuffix)) {
        std::cerr << "sarnet-score: " << note << '\n';
    }

    const std::string ownCall = options.ownCall.empty() ? FirstOwnCall(log) : options.ownCall;
    if (ownCall.empty()) {
        return Fail(kExitUsage,
                    "the log names no own call sign (STATION_CALLSIGN, OPERATOR or "
                    "CALLSIGN:): give --call");
    }
    double contestDays = std::floor(log.qsos.front().days);
    if (!options.contestDate.empty()) {
        contestDays = ToAutomationDate(*ParseDate(options.contestDate));
    }

    std::error_code fsError;
    const fs::path workDir = Absolute(options.workDir.empty() ? "." : options.workDir);
    if (!fs::is_directory(workDir, fsError)) {
        return Fail(kExitUsage, "--workdir " + options.workDir + " is not a folder");
    }
    const std::string pluginPath =
        Absolute(options.pluginPath.empty() ? DefaultPluginPath().string() : options.pluginPath);
    const std::string reportPath = options.reportFile.empty() ? "" : Absolute(options.reportFile);

    fs::current_path(workDir, fsError);
    if (fsError) {
        return Fail(kExitRun, "cannot enter " + workDir.string() + ": " + fsError.message());
    }
    StatsPlugin entry;
    if (!entry.Load(pluginPath, &error)) {
        return Fail(kExitRun, error);
    }
    if (options.html) {
        entry.setVersion("sarnet-score");
    }
    ScoreRunSettings settings;
    settings.hostDirectory = workDir.string();
    if (settings.hostDirectory.back() != '/' && settings.hostDirectory.back() != '\\') {
        settings.hostDirectory += static_cast<char>(fs::path::preferred_separator);
    }
    settings.ownCall = ownCall;
    settings.ownExchangeSuffix = options.ownExchangeSuffix;
    settings.contestDays = contestDays;

    std::vector<HourTally> hours;
    if (!reportPath.empty()) {
        // A Cabrillo run writes its file at every summary: the hourly snapshots come from a
        // plain run first.
        settings.hourlyTallies = true;
        if (options.cabrillo) {
            hours = RunScoring(entry, log.qsos, settings).hours;
            settings.hourlyTallies = false;
        }
    }
    settings.cabrillo = options.cabrillo;
    const ScoreRunResult result = RunScoring(entry, log.qsos, settings);
    if (settings.hourlyTallies) {
        hours = result.hours;
    }
    // The summary exactly as the plug-in returned it (its last line has no line end).
    std::cout << result.summary;
    const bool answers = !options.checkCalls.empty() || !options.exchanges.empty();
    if (answers && !result.summary.empty() && result.summary.back() != '\n') {
        std::cout << '\n';
    }
    for (const std::string& call : options.checkCalls) {
        const CtyEntity* entity = cty.Lookup(call);
        const std::string prefix = entity != nullptr ? entity->primaryPrefix : "";
        const int code = CheckCall(entry, call, prefix);
        std::cout << "CheckCall0 " << call << " (" << (prefix.empty() ? "?" : prefix)
                  << "): " << code << " " << CallCheckMeaning(code) << '\n';
    }
    for (const auto& [text, prefix] : options.exchanges) {
        const int valid = ValidateExchange(entry, text, prefix);
        std::cout << "IsValidExchg0 \"" << text << "\" from " << prefix << ": " << valid << " "
                  << (valid != 0 ? "valid" : "invalid") << '\n';
    }
    std::cout.flush();

    const CalendarTime date = FromAutomationDate(contestDays);
    char reportName[64];
    std::snprintf(reportName, sizeof reportName, "BadQSO_StatsSarnet_%02d_%02d_%04d.txt", date.day,
                  date.month, date.year);
    NoteFile(workDir / reportName);
    NoteFile(workDir / "Plugins" / "Sarnet.ini");
    if (options.cabrillo) {
        NoteFile(workDir / (ownCall + ".cbr"));
    }
    if (!reportPath.empty()) {
        const auto figures = ReadSummary(result.summary);
        if (!figures) {
            return Fail(kExitRun,
                        "the plug-in returned no summary to build " + reportPath + " from");
        }
        if (!WriteFileAtomically(reportPath, BuildReportPage(*figures, hours), &error)) {
            return Fail(kExitRun, error);
        }
        NoteFile(reportPath);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // The summary carries its own CR LF line ends.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    try {
        const OptionsResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (parsed.error) {
            return Fail(kExitUsage, *parsed.error);
        }
        if (parsed.options.help) {
            std::cout << HelpText();
            return 0;
        }
        return Run(parsed.options);
    } catch (const std::exception& exception) {
        return Fail(kExitRun, exception.what());
    }
}
