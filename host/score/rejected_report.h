// The plug-in's rejected-QSO report (BadQSO_StatsSarnet_dd_mm_yyyy.txt) read back: one
// finding per "QSO:" line, and which of the fed QSOs the findings belong to.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/common/log_qso.h"

struct RejectedQso {
    std::string kilohertz;
    std::string mode;
    std::string time;  // "2026-12-07 1805", as the report writes it
    std::string call;
    std::string exchange;  // received, as logged
    std::string reason;    // "duplicate", "wrong band", "county code not acceptable (X1)"...
};

// The findings in file order; lines that are not findings of this plug-in are skipped.
std::vector<RejectedQso> ReadRejectedReport(std::string_view text);

// For every QSO (in the order they were fed), whether a finding names it. A QSO with any
// finding does not score. Findings come in feed order, so each is matched to the first QSO
// from the previous match on with the same frequency, mode, time, call and exchange that has
// not drawn a finding of its kind yet: repeated equal lines name distinct QSOs.
std::vector<bool> MatchRejected(const std::vector<LogQso>& qsos,
                                const std::vector<RejectedQso>& findings);

// The time of a QSO as the report writes it, "%Y-%m-%d %H%M" after rounding to the second.
std::string ReportTime(double days);
