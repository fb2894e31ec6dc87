// Option parsing with CLI11; the period's texts are checked here so that a bad one is a
// usage error before any log is read.
#include "host/check/check_options.h"

#include <sstream>

#include <CLI/CLI.hpp>

#include "host/common/automation_date.h"

std::optional<double> ParseContestTime(const std::string& text) {
    if (text.size() != 16 || text[10] != ' ' || text[13] != ':') {
        return std::nullopt;
    }
    std::optional<CivilTime> time = ParseDate(text.substr(0, 10));
    const std::string clock = text.substr(11, 2) + text.substr(14, 2);
    if (!time || !ParseTimeOfDay(clock, &*time)) {
        return std::nullopt;
    }
    return ToAutomationDate(*time);
}

CheckOptionsResult ParseCheckOptions(const std::vector<std::string>& arguments) {
    CheckOptionsResult result;
    CheckOptions& options = result.options;
    CLI::App app(
        "Checks every log of a Sarnet Contest against all the others: each QSO is matched with\n"
        "the worked station's log and judged OK, BUSTED_EXCHANGE, BUSTED_CALL, NIL, UNIQUE,\n"
        "NO_LOG or OUT_OF_PERIOD; each log is scored through the Stats plug-in as submitted\n"
        "(claimed) and without the QSOs that cannot stand (final).",
        "sarnet-check");
    // CLI11 takes "/name" for an option on Windows by default; here it is a path.
    app.allow_windows_style_options(false);
    app.add_option("logs", options.inputs,
                   "Cabrillo or ADIF logs, one per station; a folder stands for every .log, "
                   ".cbr, .adi and .adif file in it")
        ->required()
        ->type_name("LOG|FOLDER");
    app.add_option("--start", options.startText,
                   "start of the contest period, \"YYYY-MM-DD HH:MM\" UTC (default: none)");
    app.add_option("--end", options.endText,
                   "end of the contest period, \"YYYY-MM-DD HH:MM\" UTC, not included "
                   "(default: none)");
    app.add_option("--window", options.windowMinutes,
                   "minutes two logged times of one QSO may differ after clock correction")
        ->check(CLI::Range(0, 720))
        ->capture_default_str();
    app.add_option("--out", options.outDir, "folder for the results")->capture_default_str();
    app.add_option("--plugin", options.pluginPath,
                   "the plug-in library (default: libStats.so or Stats.dll next to this "
                   "program)");
    app.add_option("--cty", options.ctyPath, "country file")->capture_default_str();
    app.add_flag("--call-from-name", options.callFromName,
                 "the station's call is the file name without its extension ('_' read as "
                 "'/'; a last part of digits alone, as in CALL_2.log, numbers a resubmission), "
                 "whatever the log says");
    app.add_option("--overrides", options.overridesPath,
                   "the organizer's rulings, a CSV file of log,line,status,reason rows applied "
                   "after the check; a ruling that matches no QSO line is an error")
        ->type_name("FILE");
    app.footer(
        "Exit status: 0 every log checked; 1 usage error, or a ruling of --overrides that\n"
        "matches no QSO line; 2 some log could not be read, two\n"
        "logs name the same station or a folder holds no log (each named on standard error;\n"
        "the others are checked and the results written); 3 the country file, the plug-in or\n"
        "the results folder cannot be used, or the plug-in could not score some log.");
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        std::ostringstream out;
        std::ostringstream err;
        result.exitCode = app.exit(error, out, err) == 0 ? 0 : 1;
        result.output = out.str() + err.str();
        return result;
    }
    const auto period = [&](const std::string& name, const std::string& text,
                            std::optional<double>* days) {
        if (text.empty()) {
            return true;
        }
        *days = ParseContestTime(text);
        if (!*days) {
            result.exitCode = 1;
            result.output = name + " " + text + " is not a \"YYYY-MM-DD HH:MM\" time\n";
            return false;
        }
        return true;
    };
    if (!period("--start", options.startText, &options.startDays) ||
        !period("--end", options.endText, &options.endDays)) {
        return result;
    }
    if (options.startDays && options.endDays && *options.endDays <= *options.startDays) {
        result.exitCode = 1;
        result.output =
            "--end " + options.endText + " is not after --start " + options.startText + "\n";
    }
    return result;
}
