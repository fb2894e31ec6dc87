// A simulated contest checked the way an organizer checks one (the whole check run with the
// plug-in), and each line's finding judged against the simulator's truth.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/check/contest_simulator.h"

// A country file with the entities of the simulator's calls, in the country file's layout.
extern const char* const kSimulatedCty;

struct WrongLine {
    std::string log;
    std::size_t line = 0;
    std::string pattern;
    std::string expected;  // the truth's status, with the right call for BUSTED_CALL
    std::string got;       // findings.csv's status, "(missing)" when it has no such line
    std::string detail;
};

struct AccuracyFigures {
    std::size_t lines = 0;  // truth rows
    std::size_t right = 0;
    std::size_t kept = 0;     // truth rows whose QSO stands (OK, UNIQUE, NO_LOG)
    std::size_t removed = 0;  // of those, the lines the check did not keep
    std::vector<WrongLine> wrong;

    void Add(const AccuracyFigures& other);
    // Wrong lines by pattern ("-" for none), with how many truth rows each pattern has.
    std::map<std::string, std::pair<std::size_t, std::size_t>> byPattern;
};

// Writes the contest's logs and the country file into `folder` (made afresh), runs the check
// with the plug-in into folder/out and judges findings.csv. A line is found under its log's
// call or, failing that, under one of the log's other calls.
AccuracyFigures CheckSimulatedContest(const SimulatedContest& contest,
                                      const std::filesystem::path& folder,
                                      const std::string& pluginPath);

// The wrong lines as "log line pattern expected got detail" rows and the figures.
std::string FormatAccuracy(const AccuracyFigures& figures, bool listLines);
