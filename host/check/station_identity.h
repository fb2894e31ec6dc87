// Which station a log is: the call its QSO lines say was sent, against the header or the file
// name, and which of two logs of one station is checked.
#pragma once

#include <string>
#include <vector>

#include "host/check/station_log.h"

// The call the lines say was sent when most of them agree on one the header does not name
// (a typo in CALLSIGN:, or a header that kept "/P" the lines dropped); else `headerCall`.
// `headerCall` may be empty (the log names its station only on its lines).
std::string StationCallOfLines(const std::vector<LogQso>& qsos, const std::string& headerCall);

// The call of a file named after it: "YO9ABC_P.log" is YO9ABC/P; a last part of digits alone
// numbers a resubmission ("YO4AAA_2.log" is a second log of YO4AAA).
std::string CallOfFileName(const std::string& file);

// Of two logs of one station, whether `candidate` is checked rather than `current`: the one
// with more QSOs, at equal size the later file (by the last QSO, then by name). The reason,
// in words, goes to *reason.
bool PreferredLog(const StationLog& candidate, const StationLog& current, std::string* reason);

// The call a line is matched under: the one it says was sent when that is a form of the
// station's call (with or without a portable part), else the station's call.
std::string SentCallOfLine(const LogQso& qso, const std::string& stationCall);
