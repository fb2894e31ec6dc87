// Likely operator mistakes in a log that still scores: the run goes on and each is named
// on standard error.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/common/log_qso.h"

struct WarningContext {
    std::string ownCall;              // the call the contest is scored for
    bool ownCallIsHome = false;       // a home-country call, which sends a county code
    std::string ownExchangeSuffix;    // added by the plug-in to every sent exchange
    std::optional<double> givenDate;  // --date as an automation date, when given
    std::vector<std::string> countyCodes;
};

// - most QSOs (or all) not on 80 m in BPSK31: another contest's log? (the QSOs counted by
//   band and mode);
// - a --date on which no QSO was made;
// - QSOs spanning more than 48 hours (another contest's QSOs in the file?);
// - more than one own call in the log;
// - a home-country own call whose sent exchanges carry no county code.
// The QSOs are in time order.
std::vector<std::string> LogWarnings(const std::vector<LogQso>& qsos,
                                     const WarningContext& context);
