// The command line of sarnet-check.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct CheckOptions {
    std::vector<std::string> inputs;  // log files and folders of logs
    std::optional<double> startDays;  // the contest period [start, end), automation days
    std::optional<double> endDays;
    std::string startText;  // as given, for the results page
    std::string endText;
    int windowMinutes = 5;
    std::string outDir = "sarnet-results";
    std::string pluginPath;  // empty: next to the program
    std::string ctyPath = "/usr/share/hamradio-files/cty.dat";
    bool callFromName = false;
    std::string overridesPath;  // the organizer's rulings, CSV log,line,status,reason
};

struct CheckOptionsResult {
    CheckOptions options;
    int exitCode = -1;   // 0 after --help, 1 after a usage error; -1 to go on
    std::string output;  // help or the usage error, for the caller to print
};

CheckOptionsResult ParseCheckOptions(const std::vector<std::string>& arguments);

// "YYYY-MM-DD HH:MM" (UTC) to automation days; nullopt when it is not such a time.
std::optional<double> ParseContestTime(const std::string& text);
