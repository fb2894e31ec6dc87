// What a logging program does to its QSOs before the plug-in sees them: tidy call signs and
// exchanges, one spelling of the contest's mode, a frequency for every QSO, the own exchange
// suffix left for the plug-in to add, and time order. Every host feeds its logs through it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/common/log_qso.h"

// "PSK" with submode "PSK31"/"BPSK31", and the older modes "PSK31"/"BPSK31", become
// "BPSK31" (any letter case); other modes pass through as written (the submode when there
// is one) so that the plug-in judges them.
std::string NormaliseMode(std::string_view mode, std::string_view submode);

// A call sign as the logging program keeps it: without blanks around it, in upper case.
std::string NormaliseCall(std::string_view call);

// Tidies the QSOs in place, leaving their order:
// - own and worked calls and the received exchange trimmed and upper-cased, the sent
//   exchange and the reports trimmed;
// - the mode spelled as NormaliseMode gives it;
// - a sent exchange that already ends with the own exchange suffix (any letter case) loses
//   it, because the plug-in adds the suffix to every sent exchange;
// - a QSO without a frequency gets the lower edge of its band (3500 kHz on 80 m).
// Returns one note for each kind of change that a reader of the log would not expect
// (frequencies added or converted from kHz, suffixes not added twice).
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
