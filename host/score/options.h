// The command line of sarnet-score.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The log file name that stands for standard input.
constexpr const char* kStandardInput = "-";

struct ScoreOptions {
    std::string logFile;            // kStandardInput: standard input
    std::string ownCall;            // empty: from the log
    std::string ownExchangeSuffix;  // appended by the plug-in to every sent exchange
    std::string contestDate;        // "YYYY-MM-DD"; empty: date of the log's first QSO
    bool html = false;
    bool cabrillo = false;
    bool verbose = false;
    std::vector<std::string> checkCalls;
    std::vector<std::pair<std::string, std::string>> exchanges;  // text, prefix
    std::string pluginPath;                                      // empty: next to the program
    std::string ctyPath = "/usr/share/hamradio-files/cty.dat";
    std::string workDir;  // empty: the current directory
    std::string reportFile;
};

struct OptionsResult {
    ScoreOptions options;
    std::optional<std::string> error;  // a usage error, one line
    std::optional<std::string> text;   // --help or --version: print it and stop
};

OptionsResult ParseOptions(const std::vector<std::string>& arguments);
