// Lines of the rejected-QSO report: the QSO as the host passed it, then the finding.
#pragma once

#include <string>

#include "engine/qso_args.h"

constexpr const char* kWrongBandTail = "   WRONG BAND !!!";
constexpr const char* kWrongModeTail = "   WRONG MODE !!!";
constexpr const char* kNoNumberTail = "   NO NUMBER !!!";
constexpr const char* kDupeTail = "   DUPE !!!";

// Everything of a report line before the finding's tail: frequency (one more blank below
// 10000 kHz), mode, date-time, own call, RST and exchange sent, call, RST and exchange
// received, as passed by the host and separated by two blanks.
std::string ReportLinePrefix(const QsoArgs& args);

// The tail of an unacceptable county code, with the county text derived from the exchange.
std::string CountyTail(const std::string& countyText);

// A whole line: prefix, tail, CR LF.
std::string ReportLine(const std::string& prefix, const std::string& tail);
