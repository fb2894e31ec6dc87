// One submitted log as the cross-check sees it: the station's call, the file it came from
// and its QSOs in file order, tidied as a logging program tidies them.
#pragma once

#include <string>
#include <vector>

#include "host/common/log_qso.h"

struct StationLog {
    std::string call;
    std::string file;
    std::vector<LogQso> qsos;
    std::vector<std::string> notes;  // what the tidying changed that a reader would not expect
};
