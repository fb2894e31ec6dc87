// The rejected-QSO ("UBN") report: one file per contest run in the current directory.
#pragma once

#include <string>

#include "platform/date_time.h"

constexpr const char* kReportFirstLine = "Sarnet Contest UBN file \r\n";

// "BadQSO_StatsSarnet_dd_mm_yyyy.txt" for the second contest date.
std::string RejectedReportName(const DateTime& secondDate);

// Creates or truncates the report named by g_reportPath and writes its first line.
bool StartRejectedReport(const std::string& path);
// Appends a QSO's report lines (none for a QSO without a finding). The report is opened
// anew for every QSO, so one that is missing (deleted after the contest start, or not
// creatable then) is created with its first line, also for a QSO without a finding.
bool AppendToRejectedReport(const std::string& path, const std::string& lines);
