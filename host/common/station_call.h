// What the hosts take for a call sign: the text a log may carry in a call field, the
// station a log is for, and the own call a log names.
#pragma once

#include <string>
#include <string_view>

#include "host/common/log_qso.h"

// Text a call field may hold: printable ASCII without blanks, not empty. What the plug-in
// makes of it is the plug-in's to judge.
bool IsCallText(std::string_view call);

// The shape of a call sign, in any letter case: a prefix of one to three characters with a
// letter, one to four digits and a suffix of one to four letters ("YO3ABC", "9A1AA",
// "DL75BRD", "3DA0XX"), with at most two portable parts of up to six letters and digits
// around it ("DL/YO9X", "YO9XYZ/P", "PA/ON4XX/QRP"). Exchanges have no such shape ("012BV",
// "C25", "599", "HANS/124"); a six-character locator ("KN34AB") has.
bool HasCallSignShape(std::string_view token);

// A weaker test: a letter somewhere before a digit ("C25", "TM100"), as any call sign has.
bool HasLetterBeforeDigit(std::string_view token);

// A station's own call: upper-case letters, digits and '/' with a letter and a digit
// somewhere, at most 20 characters (the plug-in names its Cabrillo log after it, the
// cross-check its report).
bool LooksLikeStationCall(const std::string& call);

// The own call a log names, tidied: its Cabrillo CALLSIGN: header, else the first own call of
// its QSOs (STATION_CALLSIGN or OPERATOR, or the sent call of a QSO line); empty when it
// names none. `place` says where it stands (file, line or record, field), for a message.
struct LogOwnCall {
    std::string call;
    InputError place;
};
LogOwnCall FindOwnCallOfLog(const LogReadResult& log, const std::string& fileName);

// The call alone.
std::string OwnCallOfLog(const LogReadResult& log);
