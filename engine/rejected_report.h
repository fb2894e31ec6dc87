// The rejected-QSO ("UBN") report: one file per contest run in the current directory.
#pragma once

#include <string>

#include "platform/date_time.h"

constexpr const char* kReportFirstLine = "Sarnet Contest UBN file \r\n";

// "BadQSO_StatsSarnet_dd_mm_yyyy.txt" for the second contest date.
std::string RejectedReportName(const DateTime& secondDate);

// Creates or truncates the report named by g_reportPath and writes its first line.
bool StartRejectedReport(const std::string& path);
