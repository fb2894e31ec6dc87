// One submitted log as the cross-check sees it: the station's call, the file it came from
// and its QSOs in file order, calls upper-cased.
#pragma once

#include <string>
#include <vector>

#include "host/common/log_qso.h"

struct StationLog {
    std::string call;
    std::string file;
    std::vector<LogQso> qsos;
};
