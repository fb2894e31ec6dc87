// The sentences that explain a verdict: the other station's log line, or what its log lacks.
#pragma once

#include <string>

#include "host/check/check_results.h"

// "DL1ABC's log, line 7: 2026-12-06 16:29 80m PSK31 worked YO9AAA, sent 007, received 003BV":
// the mode and exchanges as the log holds them ("nothing" for an empty exchange).
std::string DescribeLogLine(const StationLog& log, const LogQso& qso);

// Why the QSO got its verdict, in one line: the partner's line, the nearest candidate of a
// NIL, the near calls of a UNIQUE; empty for a plain OK.
std::string Evidence(const CheckResults& results, std::uint32_t log, std::uint32_t qso);
