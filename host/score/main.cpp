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
#include "host/score/zero_score.h"

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

// The first of a log's errors or warnings as lines, and how many more there are.
std::vector<std::string> Listed(const InputErrors& errors, const char* more) {
    std::vector<std::string> lines;
    for (const InputError& error : errors.listed) {
        lines.push_back(error.Format());
    }
    if (errors.total > errors.listed.size()) {
        lines.push_back("and " + std::to_string(errors.total - errors.listed.size()) + " " + more);
    }
    return lines;
}

// Every error of the log, the first ones listed and the rest counted.
int FailOnLog(const InputErrors& errors) {
    for (const std::string& line : Listed(errors, "more errors")) {
        Note(line);
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
    std::vector<std::string> warnings;  // the reader's, already said
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
    // What the reader guessed may explain its errors: said first.
    inputs->warnings = Listed(inputs->log.warnings, "more warnings on the log's lines");
    for (const std::string& warning : inputs->warnings) {
        Note("warning: " + warning);
    }
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

// The call the contest is scored for: --call, else the log's own; an exit status when there
// is none or it is no call sign (the plug-in names its Cabrillo log after it). A --call that
// differs from the log's own call is noted.
std::optional<int> ChooseOwnCall(const ScoreOptions& options, const Inputs& inputs,
                                 std::string* ownCall, std::vector<std::string>* notes) {
    const LogOwnCall logged = FindOwnCallOfLog(inputs.log, inputs.logName);
    if (!options.ownCall.empty()) {
        *ownCall = NormaliseCall(options.ownCall);
        if (!LooksLikeStationCall(*ownCall)) {
            return Fail(kExitUsage, "the own call " + Printable(*ownCall) +
                                        " is not a call sign (letters, digits and /, with a "
                                        "letter and a digit)");
        }
        if (!logged.call.empty() && logged.call != *ownCall) {
            InputError place = logged.place;
            place.message = Printable(logged.call);
            notes->push_back("--call " + *ownCall + " overrides the log's own call (" +
                             place.Format() + "): the summary, the Cabrillo log and its name are " +
                             "for " + *ownCall);
        }
        return std::nullopt;
    }
    if (logged.call.empty()) {
        return Fail(kExitUsage, inputs.logName +
                                    ": the log names no own call sign (STATION_CALLSIGN, "
                                    "OPERATOR or CALLSIGN:): give --call");
    }
    if (!LooksLikeStationCall(logged.call)) {
        InputError error = logged.place;
        error.message = "the own call " + Shown(logged.call) +
                        " is not a call sign (letters, digits and /, with a letter and a "
                        "digit): correct the log or give --call";
        Note(error.Format());
        Note("nothing was scored: correct the log and run again");
        return kExitInput;
    }
    *ownCall = logged.call;
    return std::nullopt;
}

int Run(const ScoreOptions& options) {
    Inputs inputs;
    if (const auto status = ReadInputs(options, &inputs)) {
        return *status;
    }
    const std::vector<LogQso>& qsos = inputs.log.qsos;
    std::vector<std::string> notes = inputs.notes;
    std::string ownCall;
    if (const auto status = ChooseOwnCall(options, inputs, &ownCall, &notes)) {
        return *status;
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
    for (const std::string& note : notes) {
        Note(note);
    }
    for (const std::string& warning : inputs.warnings) {
        notes.push_back("Warning: " + warning);
    }
    for (const std::string& warning : LogWarnings(qsos, context)) {
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
    const std::optional<SummaryFigures> figures = ReadSummary(result.summary);
    const bool scoredNothing = figures && figures->total.qsos == 0;
    const fs::path rejectedPath = workDir / RejectedReportName(contestDays);
    std::vector<RejectedQso> rejected;
    std::vector<bool> rejectedQsos(qsos.size(), false);
    WorkedTally worked;
    if (!reportPath.empty() || !options.exchanges.empty() || scoredNothing) {
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
    if (scoredNothing) {
        for (const std::string& reason : ZeroScoreReasons(qsos, rejected, figures->total.qsos)) {
            Note("warning: " + reason);
            notes.push_back("Warning: " + reason);
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
    std::string logName = "sarnet-score";
    try {
        const OptionsResult parsed = ParseOptions(std::vector<std::string>(argv + 1, argv + argc));
        if (parsed.error) {
            return Fail(kExitUsage, *parsed.error);
        }
        if (parsed.text) {
            std::cout << *parsed.text;
            return 0;
        }
        logName =
            parsed.options.logFile == kStandardInput ? StandardInputName() : parsed.options.logFile;
        return Run(parsed.options);
    } catch (const std::bad_alloc&) {
        return Fail(kExitRun, logName + ": not enough memory for this log");
    } catch (const fs::filesystem_error& failure) {
        return Fail(kExitRun,
                    "cannot use " + failure.path1().string() + ": " + failure.code().message());
    } catch (const std::exception&) {
        return Fail(
            kExitRun,
            logName + ": the run stopped on an unexpected failure; nothing more was written");
    }
}
