// The category a station entered, from its Cabrillo header, and the reason a result needs
// beside it.
#pragma once

#include <string>

#include "host/check/check_results.h"

// The header's CATEGORY-OPERATOR, -POWER, -BAND, -MODE, -ASSISTED, -TRANSMITTER and -STATION
// values in that order ("SINGLE-OP LOW 80M DIGI"), or "not stated" (ADIF logs, headers that
// give none).
std::string CategoryOf(const StationLog& log);

// Whether the log was sent as a checklog (CATEGORY-OPERATOR: CHECKLOG): checked and used as
// evidence, never ranked.
bool IsChecklog(const StationLog& log);

// One line for a final score of 0 or a loss of more than a third of the claim: what the log
// lacks (a sent exchange on every line), or which verdicts took the QSOs; empty otherwise.
std::string ResultReason(const StationLog& log, const StationResult& station);
