// The parts of the host's 33 AddData0/RemoveData0 parameters that the engine reads.
#pragma once

#include <cstdint>
#include <string>

#include "platform/date_time.h"

struct QsoArgs {
    std::string ownCall;               // 1
    std::string call;                  // 2
    DateTime time = {0.0, kDateNull};  // 3
    uint32_t frequencyHz = 0;          // 8
    std::string mode;                  // 9
    std::string rstSent;               // 10
    std::string rstRcvd;               // 11
    std::string exchSent;              // 12
    std::string exchRcvd;              // 13
    std::string prefix;                // 23
    std::string extra;                 // 30
    std::string band;                  // 32
};

// The parts of the host's 28 CheckCall0 parameters that the check reads; a null text
// pointer stays distinguishable where the check treats it apart.
struct CallCheckArgs {
    std::string call;       // 1
    std::string mode;       // 4
    std::string prefix;     // 14
    const char* band;       // 25, may be null
    const char* otherBand;  // 26, may be null
};
