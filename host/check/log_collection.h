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

// A log is left out, with one line in `errors`, when it cannot be read or parsed, holds no
// QSO, names no station (or one that is no call sign), or is larger than any contest log; a
// folder that holds no log is an error too.
// Of two logs of one station the first file in name order is checked and the other left
// out. The station's call comes from CALLSIGN: or STATION_CALLSIGN, or, with
// `callFromName`, from the file name.
CollectedLogs CollectLogs(const std::vector<std::string>& inputs, bool callFromName);

// Logs above this size are refused unread: a contest log of 10 000 QSOs is 1 MB.
constexpr std::size_t kLargestLogBytes = std::size_t{64} << 20;
