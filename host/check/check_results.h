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
#include "host/common/summary_reader.h"

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
    // The plug-in's own count of valid QSOs, points, DXCC and counties (its summary's Total).
    SummaryRow claimedFigures;
    SummaryRow finalFigures;
    std::string kind;      // "YO" or "DX", by the country file
    std::string category;  // the header's categories, "not stated" when it gives none
    bool checklog = false;
    std::string place;          // "1", "3=" for a tie; empty for a checklog
    std::string categoryPlace;  // within kind and category
    // Why the final score is 0 or lost more than a third of the claim; empty otherwise.
    std::string reason;
};

struct CheckResults {
    std::vector<StationLog> logs;
    std::vector<StationFindings> findings;  // parallel to logs
    std::vector<StationResult> stations;    // by final score, highest first, checklogs last
    std::vector<std::string> errors;        // logs left out, one line each
    CheckSettings settings;
    std::string startText;  // the period as given, empty when open
    std::string endText;
    std::string pluginPath;
    std::string ctyPath;
    // For published pages: the file names and dates, "libStats.so of 2026-12-09".
    std::string pluginText;
    std::string ctyText;
    std::vector<std::string> inputs;  // the files and folders of logs named on the command line
};

// A log's file name as published: relative to the folder of logs it was found in.
std::string PublicFileName(const CheckResults& results, const std::string& file);
// A message with every path of the organizer's machine in it (the folders of logs, the
// plug-in's and country file's folders) cut to the names within them.
std::string PublicText(const CheckResults& results, std::string text);

// Highest final score first, equal scores by call, checklogs last; then the places, overall
// and within each kind and category, equal scores sharing a place ("3=").
void SortByFinalScore(CheckResults* results);
// The QSOs of every log checked.
std::size_t TotalQsos(const CheckResults& results);
