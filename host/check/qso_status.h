// The verdict the cross-check gives each QSO line, with the names it is published under.
#pragma once

#include <string_view>

enum class QsoStatus {
    Ok,              // both logs hold the QSO and the exchange received is the one sent
    BustedExchange,  // both logs hold it, but the exchange received differs from the one sent
    BustedCall,      // the call was miscopied; the station really worked sent a log that has it
    Nil,             // the worked station sent a log and nothing in it explains the QSO
    Unique,          // the worked station sent no log and no other log has the call
    NoLog,           // the worked station sent no log, but other logs have the call
    OutOfPeriod,     // the corrected time lies outside the contest period
    Unreadable,      // the line or record could not be read; the rest of its log is checked
};

constexpr int kQsoStatusCount = 8;

// "OK", "BUSTED_EXCHANGE", ...
const char* StatusName(QsoStatus status);

// The status of this name; false when there is none.
bool StatusOfName(std::string_view name, QsoStatus* status);

// Whether a QSO with this status stays in the log that is scored for the final result.
bool KeptForFinalScore(QsoStatus status);
