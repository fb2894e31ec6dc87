// What the hosts take for a call sign: the text a log may carry in a call field, the
// station a log is for, and the own call a log names.
#pragma once

#include <string>
#include <string_view>

#include "host/common/log_qso.h"

// Text a call field may hold: printable ASCII without blanks, not empty. What the plug-in
// makes of it is the plug-in's to judge.
bool IsCallText(std::string_view call);

// A station's own call: upper-case letters, digits and '/' with a letter and a digit
// somewhere, at most 20 characters (the plug-in names its Cabrillo log after it, the
// cross-check its report).
bool LooksLikeStationCall(const std::string& call);

// The own call a log names, tidied: its Cabrillo CALLSIGN: header, else the first own call of
// its QSOs (STATION_CALLSIGN or OPERATOR, or the sent call of a QSO line); empty when it
// names none.
std::string OwnCallOfLog(const LogReadResult& log);
