// Gathering the submitted logs: the files and folders named on the command line, each log
// read and given its station's call, and two logs of one station refused.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "host/check/station_log.h"

struct CollectedLogs {
    std::vector<StationLog> logs;     // by call
    std::vector<std::string> errors;  // one line each, naming the file
};

// A log is left out, with one line in `errors`, when it cannot be read, holds no readable
// QSO, names no station (or one that is no call sign), or is larger than any contest log; a
// folder that holds no log is an error too. Lines that cannot be read are kept as such.
// The station's call is the one its QSO lines say was sent; the header (CALLSIGN: or
// STATION_CALLSIGN), or with `callFromName` the file name, names it when the lines do not
// or agree. Of two logs of one station (a resubmission, "CALL_2.log") the larger is
// checked, at equal size the later; the other is left out with the choice and its reason.
CollectedLogs CollectLogs(const std::vector<std::string>& inputs, bool callFromName);

// Logs above this size are refused unread: a contest log of 10 000 QSOs is 1 MB.
constexpr std::size_t kLargestLogBytes = std::size_t{64} << 20;
