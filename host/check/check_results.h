// Everything a check produced, as the output files need it: the logs, the verdicts, the
// scores and what was refused.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/check/cross_check.h"
#include "host/check/qso_status.h"
#include "host/check/station_log.h"

struct StationResult {
    std::uint32_t log = 0;   // position in CheckResults::logs
    std::string reportName;  // "<call>.txt", sanitized
    std::size_t claimedQsos = 0;
    std::size_t finalQsos = 0;
    int claimedScore = 0;
    int finalScore = 0;
    std::array<int, kQsoStatusCount> counts{};  // by QsoStatus
    std::vector<std::string> pluginFindings;    // the plug-in's report lines on the final log
    std::string pluginSummary;                  // its summary of the final log
    std::string scoringError;                   // why the plug-in could not score this log
};

struct CheckResults {
    std::vector<StationLog> logs;
    std::vector<StationFindings> findings;  // parallel to logs
    std::vector<StationResult> stations;    // by final score, highest first
    std::vector<std::string> errors;        // logs left out, one line each
    CheckSettings settings;
    std::string startText;  // the period as given, empty when open
    std::string endText;
    std::string pluginPath;
    std::string ctyPath;
};

// Highest final score first; equal scores by call.
void SortByFinalScore(CheckResults* results);
// The QSOs of every log checked.
std::size_t TotalQsos(const CheckResults& results);
