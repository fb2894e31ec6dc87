// <call>.txt: one station's check, for the organizer and the participant: clock offset,
// claimed and final score, each QSO removed with the evidence, and the plug-in's findings.
#pragma once

#include <string>

#include "host/check/check_results.h"

std::string BuildStationReport(const CheckResults& results, const StationResult& station);

// "17 minutes slow", "2 minutes fast" or "right".
std::string DescribeClockOffset(int minutes);
