// index.html: the results table, each station's details, and the rules and options the
// check applied; a page per station. Self-contained pages, no script, no outside reference but
// the stations' files beside them, and nothing of the organizer's machine (file names are
// relative to the log folder, the plug-in and country file named with their dates).
#pragma once

#include <string>
#include <string_view>

#include "host/check/check_results.h"

std::string BuildResultsPage(const CheckResults& results);

// <call>.html: the station's findings and its report, linked from the results table.
std::string BuildStationPage(const CheckResults& results, const StationResult& station);
std::string StationPageName(const StationResult& station);
