// The sentences that explain a verdict: the other station's log line, or what its log lacks.
#pragma once

#include <string>

#include "host/check/check_results.h"

// "DL1ABC's log, line 7: 2026-12-06 16:29 80m BPSK31 worked YO9AAA, sent 007, received 003BV"
std::string DescribeLogLine(const StationLog& log, const LogQso& qso);

// Why the QSO got its verdict, in one line; empty for OK, UNIQUE and NO_LOG.
std::string Evidence(const CheckResults& results, std::uint32_t log, std::uint32_t qso);
