// findings.csv, one row per QSO of every log, and results.csv, one row per station.
#pragma once

#include <string>
#include <string_view>

#include "host/check/check_results.h"

// A CSV field of text from a log: quoted when it holds a comma, a quote, a line end or outer
// blanks, with quotes doubled (RFC 4180); a text that starts with "=", "+", "-" or "@" gets
// a "'" before it, so that no spreadsheet takes it for a formula.
std::string CsvField(std::string_view text);

// log,line,time,band,worked_call,status,detail; logs by call, QSOs in file order.
std::string BuildFindingsCsv(const CheckResults& results);

// call,claimed_qsos,claimed_score,final_qsos,final_score,nil,busted_call,busted_exchange,
// unique,no_log,out_of_period,clock_offset_min; in the order of results.stations.
std::string BuildResultsCsv(const CheckResults& results);
