// Option parsing: "--name value" and "--name=value"; one log file; no option repeats except
// --check and --exchange.
#include "host/score/options.h"

#include "host/common/automation_date.h"

std::string HelpText() {
    return "Usage: sarnet-score [OPTIONS] LOGFILE\n"
           "Scores an ADIF (.adi) or Cabrillo log of the Sarnet Contest through the Stats\n"
           "plug-in, exactly as the logging program feeds it, and prints the plug-in's summary.\n"
           "\n"
           "Options:\n"
           "  --call CALL          own call sign (default: STATION_CALLSIGN or OPERATOR of the\n"
           "                       ADIF log, CALLSIGN: of a Cabrillo log)\n"
           "  --suffix TEXT        own exchange suffix, appended to every sent exchange (e.g. the\n"
           "                       own county code)\n"
           "  --date YYYY-MM-DD    contest date (default: the date of the log's first QSO)\n"
           "  --html               announce a host version first: the summary comes as HTML\n"
           "  --cabrillo           a Cabrillo run: the plug-in also writes CALL.cbr, with the\n"
           "                       header values of Plugins/Sarnet.ini\n"
           "  --check CALL         after the log, ask the plug-in's call check about CALL\n"
           "  --exchange TEXT PFX  after the log, validate exchange TEXT from a station of\n"
           "                       DXCC prefix PFX\n"
           "  --plugin PATH        the plug-in library (default: libStats.so or Stats.dll next\n"
           "                       to this program)\n"
           "  --cty PATH           country file (default: /usr/share/hamradio-files/cty.dat)\n"
           "  --workdir DIR        folder of the rejected-QSO report, Plugins/Sarnet.ini and the\n"
           "                       Cabrillo file (default: the current directory)\n"
           "  --report FILE.html   also write a standalone HTML page with the summary and a\n"
           "                       chart of QSOs and points per hour\n"
           "  --help               this text\n"
           "\n"
           "The worked station's DXCC prefix comes from the country file.\n"
           "Exit status: 0 success; 1 usage error; 2 unreadable or malformed log or country\n"
           "file (file, record and field named on standard error); 3 the plug-in cannot be\n"
           "loaded, the work folder cannot be entered or the report cannot be written.\n";
}

OptionsResult ParseOptions(const std::vector<std::string>& arguments) {
    OptionsResult result;
    ScoreOptions& options = result.options;
    auto fail = [&](const std::string& message) {
        result.error = message;
        return result;
    };
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::optional<std::string> inlineValue;
        if (name.rfind("--", 0) == 0) {
            const std::size_t equals = name.find('=');
            if (equals != std::string::npos) {
                inlineValue = name.substr(equals + 1);
                name = name.substr(0, equals);
            }
        } else if (name != "-" && name.rfind("-", 0) == 0) {
            return fail("unknown option " + name);
        } else {
            if (!options.logFile.empty()) {
                return fail("only one log file can be scored at a time (" + options.logFile + ", " +
                            name + ")");
            }
            options.logFile = name;
            continue;
        }
        auto value = [&](std::string* out) {
            if (inlineValue) {
                *out = *inlineValue;
                return true;
            }
            if (i + 1 >= arguments.size()) {
                return false;
            }
            *out = arguments[++i];
            return true;
        };
        const bool repeatable = name == "--check" || name == "--exchange";
        if (!repeatable) {
            for (const std::string& earlier : seen) {
                if (earlier == name) {
                    return fail("option " + name + " given twice");
                }
            }
            seen.push_back(name);
        }
        std::string* target = nullptr;
        if (name == "--help") {
            options.help = true;
            continue;
        } else if (name == "--html") {
            options.html = true;
            continue;
        } else if (name == "--cabrillo") {
            options.cabrillo = true;
            continue;
        } else if (name == "--call") {
            target = &options.ownCall;
        } else if (name == "--suffix") {
            target = &options.ownExchangeSuffix;
        } else if (name == "--date") {
            target = &options.contestDate;
        } else if (name == "--plugin") {
            target = &options.pluginPath;
        } else if (name == "--cty") {
            target = &options.ctyPath;
        } else if (name == "--workdir") {
            target = &options.workDir;
        } else if (name == "--report") {
            target = &options.reportFile;
        } else if (name == "--check") {
            std::string call;
            if (!value(&call) || call.empty()) {
                return fail("--check needs a call sign");
            }
            options.checkCalls.push_back(call);
            continue;
        } else if (name == "--exchange") {
            std::string text;
            if (!value(&text) || i + 1 >= arguments.size()) {
                return fail("--exchange needs the exchange text and the DXCC prefix");
            }
            options.exchanges.emplace_back(text, arguments[++i]);
            continue;
        } else {
            return fail("unknown option " + name);
        }
        if (!value(target) || target->empty()) {
            return fail(name + " needs a value");
        }
    }
    if (options.help) {
        return result;
    }
    if (options.logFile.empty()) {
        return fail("no log file given");
    }
    if (!options.contestDate.empty() &&
        (options.contestDate.size() != 10 || !ParseDate(options.contestDate))) {
        return fail("--date " + options.contestDate + " is not a YYYY-MM-DD date");
    }
    return result;
}
