// One submitted log as the cross-check sees it: the station's call, the file it came from
// and its QSOs in file order, tidied as a logging program tidies them.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "host/common/log_qso.h"

// A QSO line or record the reader could not take: it gets a finding of its own.
struct UnreadableLine {
    std::size_t line = 0;  // Cabrillo line or ADIF record, from 1
    std::string reason;    // the reader's message
    // The call-shaped words of the line, so that a partner's QSO can still be explained.
    std::vector<std::string> calls;
};

struct StationLog {
    std::string call;        // the call the QSO lines say was sent (the header's when they agree)
    std::string headerCall;  // what the header (or the file name) says, when it differs
    std::string file;
    std::vector<LogQso> qsos;
    std::vector<UnreadableLine> unreadable;
    std::vector<std::string> notes;  // what the tidying changed that a reader would not expect
    // The Cabrillo header's CATEGORY- lines: ("OPERATOR", "SINGLE-OP"), ...; none for ADIF.
    std::vector<std::pair<std::string, std::string>> categories;
};
