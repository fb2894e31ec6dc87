// sarnet-score: scores a contest log through the Stats plug-in from the command line, as
// the logging program feeds it. The log and the country file are read and checked whole,
// and the work folder tested, before the plug-in is loaded; the plug-in's own files are
// checked after the run, and every failure ends in a non-zero exit status.
#include <cmath>
#include <filesystem>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "host/common/automation_date.h"
#include "host/common/cty_database.h"
#include "host/common/file_paths.h"
#include "host/common/log_input.h"
#include "host/common/log_normalizer.h"
#include "host/common/plugin_feed.h"
#include "host/common/plugin_loader.h"
#include "host/common/station_call.h"
#include "host/common/summary_reader.h"
#include "host/common/text_util.h"
#include "host/score/call_answers.h"
#include "host/score/log_warnings.h"
#include "host/score/options.h"
#include "host/score/output_files.h"
#include "host/score/plugin_messages.h"
#include "host/score/rate_tally.h"
#include "host/score/rejected_report.h"
#include "host/score/report_page.h"
#include "host/score/worked_tally.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExitUsage = 1;
constexpr int kExitInput = 2;
constexpr int kExitRun = 3;

void Note(const std::string& message) {
    std::cerr << "sarnet-score: " << message << '\n';
}

int Fail(int status, const std::string& message) {
    Note(message);
    if (status == kExitUsage) {
        std::cerr << "Try 'sarnet-score --help'.\n";
    }
    return status;
}

// Every error of the log, the first ones listed and the rest counted.
int FailOnLog(const InputErrors& errors) {
    for (const InputError& error : errors.listed) {
        Note(error.Format());
    }
    if (errors.total > errors.listed.size()) {
        Note("and " + std::to_string(errors.total - errors.listed.size()) + " more errors");
    }
    Note("nothing was scored: correct the log and run again");
    return kExitInput;
}

// The plug-in's text with this platform's line ends and a final one.
std::string ConsoleText(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        out += text[i];
    }
    if (out.empty() || out.back() != '\n') {
        out += '\n';
    }
    return out;
}

struct Inputs {
    std::string logName;
    LogReadResult log;
    CtyDatabase cty;
    std::vector<std::string> notes;
};

// The log and the country file, read and tidied; an exit status when they cannot be.
std::optional<int> ReadInputs(const ScoreOptions& options, Inputs* inputs) {
    const bool fromStandardInput = options.logFile == kStandardInput;
    inputs->logName = fromStandardInput ? StandardInputName() : options.logFile;
    std::string bytes;
    std::string error;
    const bool read = fromStandardInput
                          ? ReadStandardInput(kLargestInputFile, &bytes, &error)
                          : ReadWholeFile(options.logFile, kLargestInputFile, &bytes, &error);
    if (!read) {
        return Fail(kExitInput, error);
    }
    inputs->log = ParseLog(bytes, inputs->logName);
    if (inputs->log.errors.Any()) {
        return FailOnLog(inputs->log.errors);
    }
    if (!LoadCtyDatabase(options.ctyPath, &inputs->cty, &error)) {
        return Fail(kExitInput, error);
    }
    AssignPrefixes(inputs->cty, &inputs->log.qsos);
    inputs->notes = NormaliseLog(&inputs->log.qsos, options.ownExchangeSuffix);
    return std::nullopt;
}

int Run(const ScoreOptions& options) {
    Inputs inputs;
    if (const auto status = ReadInputs(options, &inputs)) {
        return *status;
    }
    const std::vector<LogQso>& qsos = inputs.log.qsos;
    const std::string ownCall =
        options.ownCall.empty() ? OwnCallOfLog(inputs.log) : NormaliseCall(options.ownCall);
    if (ownCall.empty()) {
        return Fail(kExitUsage,
                    "the log names no own call sign (STATION_CALLSIGN, OPERATOR or "
                    "CALLSIGN:): give --call");
    }
    // The plug-in names its Cabrillo log after the own call.
    if (!LooksLikeStationCall(ownCall)) {
        return Fail(options.ownCall.empty() ? kExitInput : kExitUsage,
                    "the own call " + Printable(ownCall) +
                        " is not a call sign (letters, digits and /, with a letter and a digit)");
    }
    std::optional<double> givenDate;
    if (!options.contestDate.empty()) {
        givenDate = ToAutomationDate(*ParseDate(options.contestDate));
    }
    const double contestDays = givenDate ? *givenDate : std::floor(qsos.front().days);

    const fs::path workDir = AbsolutePath(options.workDir.empty() ? "." : options.workDir);
    if (const auto problem = WorkFolderProblem(workDir)) {
        return Fail(kExitRun, *problem);
    }
    const fs::path pluginPath =
        options.pluginPath.empty() ? DefaultPluginPath() : AbsolutePath(options.pluginPath);
    const fs::path reportPath =
        options.reportFile.empty() ? fs::path() : AbsolutePath(options.reportFile);
    std::error_code fsError;
    fs::current_path(workDir, fsError);
    if (fsError) {
        return Fail(kExitRun, "cannot enter " + workDir.string() + ": " + fsError.message());
    }
    StatsPlugin plugin;
    std::string error;
    if (!plugin.Load(pluginPath, &error)) {
        return Fail(kExitRun, error);
    }

    const std::vector<std::string> countyCodes = CountyCodes(plugin);
    WarningContext context;
    context.ownCall = ownCall;
    const CtyEntity* ownEntity = inputs.cty.Lookup(ownCall);
    context.ownCallIsHome = ownEntity != nullptr && ownEntity->primaryPrefix == kHomePrefix;
    context.ownExchangeSuffix = options.ownExchangeSuffix;
    context.givenDate = givenDate;
    context.countyCodes = countyCodes;
    std::vector<std::string> notes = inputs.notes;
    for (const std::string& note : inputs.notes) {
        Note(note);
    }
    std::vector<std::string> warnings;
    for (const InputError& warning : inputs.log.warnings.listed) {
        warnings.push_back(warning.Format());
    }
    if (inputs.log.warnings.total > inputs.log.warnings.listed.size()) {
        warnings.push_back(
            "and " + std::to_string(inputs.log.warnings.total - inputs.log.warnings.listed.size()) +
            " more warnings on the log's lines");
    }
    for (std::string& warning : LogWarnings(qsos, context)) {
        warnings.push_back(std::move(warning));
    }
    for (const std::string& warning : warnings) {
        Note("warning: " + warning);
        notes.push_back("Warning: " + warning);
    }
    if (options.html) {
        plugin.setVersion("sarnet-score");
    }

    RunStart start;
    start.hostDirectory = workDir.string();
    if (start.hostDirectory.back() != '/' && start.hostDirectory.back() != '\\') {
        start.hostDirectory += static_cast<char>(fs::path::preferred_separator);
    }
    start.ownCall = ownCall;
    start.ownExchangeSuffix = options.ownExchangeSuffix;
    start.contestDays = contestDays;
    start.cabrillo = options.cabrillo;
    PluginMessages messages;
    const ScoreRunResult result = RunScoring(plugin, qsos, start);
    const std::string pluginSaid = messages.Release();

    std::cout << ConsoleText(result.summary);
    const fs::path rejectedPath = workDir / RejectedReportName(contestDays);
    std::vector<RejectedQso> rejected;
    std::vector<bool> rejectedQsos(qsos.size(), false);
    WorkedTally worked;
    if (!reportPath.empty() || !options.exchanges.empty()) {
        std::string reportBytes;
        if (ReadWholeFile(rejectedPath, kLargestInputFile, &reportBytes, &error)) {
            rejected = ReadRejectedReport(reportBytes);
        }
        rejectedQsos = MatchRejected(qsos, rejected);
        worked = TallyWorked(qsos, rejectedQsos);
    }
    for (const std::string& call : options.checkCalls) {
        std::cout << AnswerCallCheck(plugin, call, inputs.cty, qsos, options.verbose) << '\n';
    }
    for (const auto& [text, prefix] : options.exchanges) {
        std::cout << AnswerExchange(plugin, text, prefix, countyCodes, worked, options.verbose)
                  << '\n';
    }
    std::cout.flush();
    for (const std::string_view line : Lines(pluginSaid)) {
        if (!line.empty()) {
            Note(std::string(line));
        }
    }

    std::vector<fs::path> written = {rejectedPath, workDir / "Plugins" / "Sarnet.ini"};
    if (options.cabrillo) {
        written.push_back(workDir / CabrilloFileName(ownCall));
    }
    int status = 0;
    for (const fs::path& file : written) {
        if (const auto reason = UnwrittenReason(file)) {
            status = Fail(kExitRun, file.string() + " was not written: " + *reason);
        } else {
            Note("wrote " + file.string());
        }
    }
    if (!reportPath.empty()) {
        ReportPageInput page;
        const auto figures = ReadSummary(result.summary);
        if (!figures) {
            return Fail(kExitRun,
                        reportPath.string() + " was not written: the plug-in returned no summary");
        }
        page.summary = *figures;
        page.logName = inputs.logName;
        page.rates = TallyRates(qsos, rejectedQsos);
        page.ratesAgree = AgreesWith(page.rates, figures->total);
        if (!page.ratesAgree) {
            Note(
                "warning: the QSOs named in the rejected-QSO report do not account for the "
                "summary: the page has no charts");
        }
        page.countyCodes = countyCodes;
        page.worked = worked;
        page.rejected = rejected;
        page.notes = notes;
        std::string reason;
        if (!WriteFileAtomically(reportPath, BuildReportPage(page), &reason)) {
            return Fail(kExitRun, reportPath.string() + " was not written: " + reason);
        }
        Note("wrote " + reportPath.string());
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const OptionsResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (parsed.error) {
            return Fail(kExitUsage, *parsed.error);
        }
        if (parsed.text) {
            std::cout << *parsed.text;
            return 0;
        }
        return Run(parsed.options);
    } catch (const std::bad_alloc&) {
        return Fail(kExitRun, "not enough memory for this log");
    } catch (const fs::filesystem_error& failure) {
        return Fail(kExitRun,
                    "cannot use " + failure.path1().string() + ": " + failure.code().message());
    } catch (const std::exception&) {
        return Fail(kExitRun, "the run stopped on an unexpected failure; nothing more was written");
    }
}
