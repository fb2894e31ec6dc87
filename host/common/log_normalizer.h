// What a logging program does to its QSOs before the plug-in sees them: tidy call signs and
// exchanges, one spelling of the contest's mode, a frequency for every QSO, the own exchange
// suffix left for the plug-in to add, and time order. Every host feeds its logs through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/common/log_qso.h"

// A call sign as the logging program keeps it: without blanks around it, in upper case.
std::string NormaliseCall(std::string_view call);

// Tidies the QSOs in place, leaving their order:
// - own and worked calls and the received exchange trimmed and upper-cased, the sent
//   exchange and the reports trimmed;
// - a sent exchange that already ends with the own exchange suffix (any letter case) loses
//   it, because the plug-in adds the suffix to every sent exchange;
// - a QSO without a frequency gets the lower edge of its band (3500 kHz on 80 m).
// Returns one note, with its count, for each kind of change made on entry: frequencies added
// (every band named) or converted from kHz, suffixes not added twice, each spelling of the
// mode read as BPSK31 (the readers chose it, ContestMode) and an RTTY log's RY, calls and
// exchanges upper-cased or trimmed.
std::vector<std::string> TidyLog(std::vector<LogQso>* qsos, const std::string& ownExchangeSuffix);

// The note that the QSOs are not in time order and will be fed oldest first; nullopt when
// they are in order.
std::optional<std::string> TimeOrderNote(const std::vector<LogQso>& qsos);

// The QSOs sorted by time; QSOs of the same time keep their order in the log.
void SortByTime(std::vector<LogQso>* qsos);

// TidyLog, then SortByTime: the QSOs as they are fed. The notes are TidyLog's, then
// TimeOrderNote's.
std::vector<std::string> NormaliseLog(std::vector<LogQso>* qsos,
                                      const std::string& ownExchangeSuffix);
