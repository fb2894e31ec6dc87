// Option parsing with CLI11: "--name value" and "--name=value", "--" before a log whose
// name starts with a dash, "-" for standard input; no option repeats except --check and
// --exchange.
#include "host/score/options.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include "host/common/automation_date.h"

namespace {

constexpr const char* kVersion = "sarnet-score 1.2";

constexpr const char* kDescription =
    "Scores an ADIF (.adi) or Cabrillo log of the Sarnet Contest through the Stats plug-in,\n"
    "exactly as the logging program feeds it, and prints the plug-in's summary. Calls and\n"
    "received exchanges are trimmed and upper-cased, QSOs put in time order, every spelling\n"
    "of BPSK31 accepted; a QSO without a frequency is logged at its band's lower edge. Each\n"
    "change is named on standard error with its count.";

constexpr const char* kFooter =
    "The worked station's DXCC prefix comes from the country file.\n"
    "Exit status: 0 scored (warnings may have been named); 1 usage error, or a log that\n"
    "names no own call (give --call); 2 unreadable or malformed log or country file, or an\n"
    "own call in the log that is no call sign (every error named with file, line or record,\n"
    "call and field on standard error); 3 the plug-in cannot be loaded, the work folder is\n"
    "missing or not writable, or a report, settings, Cabrillo or page file was not written.";

struct Parser {
    CLI::App app{kDescription, "sarnet-score"};
    ScoreOptions options;

    Parser() {
        app.footer(kFooter);
        // Paths such as /home/op/log.adi are log files, not Windows-style options.
        app.allow_windows_style_options(false);
        app.set_version_flag("--version", kVersion, "Print the version and exit");
        app.add_option("LOGFILE", options.logFile, "The log to score; - reads standard input");
        app.add_option("--call", options.ownCall,
                       "Own call sign (default: STATION_CALLSIGN or OPERATOR of an ADIF log, "
                       "CALLSIGN: of a Cabrillo log)");
        app.add_option("--suffix", options.ownExchangeSuffix,
                       "Own exchange suffix (e.g. the own county code), added by the plug-in to "
                       "every sent exchange that does not already end with it");
        app.add_option("--date", options.contestDate,
                       "Contest date, YYYY-MM-DD (default: the date of the first QSO)")
            ->check(CLI::Validator(
                [](const std::string& text) {
                    return text.size() == 10 && ParseDate(text)
                               ? std::string()
                               : text + " is not a YYYY-MM-DD date";
                },
                "YYYY-MM-DD"));
        app.add_flag("--html", options.html,
                     "Announce a host version first: the summary comes as HTML");
        app.add_flag("--cabrillo", options.cabrillo,
                     "A Cabrillo run: the plug-in also writes CALL.cbr, with the header values "
                     "of Plugins/Sarnet.ini");
        app.add_option("--check", options.checkCalls,
                       "After the log, ask the plug-in's call check about CALL")
            ->type_name("CALL")
            ->allow_extra_args(false);
        app.add_option("--exchange", options.exchanges,
                       "After the log, validate exchange TEXT from a station of DXCC prefix PFX")
            ->type_name("TEXT PFX")
            ->allow_extra_args(false);
        app.add_option("--plugin", options.pluginPath,
                       "The plug-in library (default: libStats.so or Stats.dll next to this "
                       "program)");
        app.add_option("--cty", options.ctyPath, "Country file")->capture_default_str();
        app.add_option("--workdir", options.workDir,
                       "Folder of the rejected-QSO report, Plugins/Sarnet.ini and the Cabrillo "
                       "file (default: the current folder)");
        app.add_option("--report", options.reportFile,
                       "Also write a standalone HTML page: summary, rate chart, score over time, "
                       "counties, DXCC prefixes and rejected QSOs");
        app.add_flag("-v,--verbose", options.verbose,
                     "Show the plug-in's return codes with the --check and --exchange answers");
        for (CLI::Option* option : app.get_options()) {
            // A value given twice is a mistake, not a choice of the last one.
            if (option->get_expected_max() == 1 && !option->get_positional()) {
                option->multi_option_policy(CLI::MultiOptionPolicy::Throw);
            }
        }
    }
};

}  // namespace

OptionsResult ParseOptions(const std::vector<std::string>& arguments) {
    Parser parser;
    OptionsResult result;
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        // "--call=" with nothing after the sign.
        if (argument.size() > 3 && argument.rfind("--", 0) == 0 && argument.back() == '=') {
            result.error = argument.substr(0, argument.size() - 1) + " needs a value";
            return result;
        }
    }
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        parser.app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        result.text = parser.app.help();
        return result;
    } catch (const CLI::CallForVersion&) {
        result.text = std::string(kVersion) + "\n";
        return result;
    } catch (const CLI::ParseError& error) {
        result.error = error.what();
        return result;
    }
    result.options = parser.options;
    if (result.options.logFile.empty()) {
        result.error = "no log file given";
    }
    return result;
}
