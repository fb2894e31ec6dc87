// A seeded simulator of a whole Sarnet Contest: stations on the air, the QSOs they make,
// the logs the senders write (Cabrillo or ADIF) with the faults real logs have, and the
// verdict every logged QSO deserves, with the pattern that shaped each logged line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/check/qso_status.h"

// The shapes real submitted logs take beyond the plain faults; each is off at zero. A share
// is of the logs (or of the senders), a rate per QSO, a count per contest.
struct RealLogPatterns {
    // CALLSIGN: differs by one character from the call every QSO line sends (Cabrillo).
    double headerTypoShare = 0.0;
    // Signs CALL/P until some time and CALL after; the header says CALL/P.
    double portableChangeShare = 0.0;
    // Of the QSOs with such a station, those logged under the form it did not send then.
    double portableMiscopyRate = 0.0;
    double transpositionRate = 0.0;  // two neighbouring characters of the call swapped
    // A sender works two participants with similar calls minutes apart and logs each under
    // the other's call.
    int swappedCallPairs = 0;
    double driftClockShare = 0.0;  // a clock running up to 10 minutes off over the contest
    double jumpClockShare = 0.0;   // a clock right until mid-contest, then minutes off
    // The sender logs a wrong sent serial (its previous one again, or a skip back) while it
    // sent the right one.
    double serialSlipRate = 0.0;
    // YO senders that sent one county, then another; their logs say the later throughout.
    double countyChangeShare = 0.0;
    // A station logs a QSO twice a minute apart, the second entry corrected.
    double doubleEntryRate = 0.0;
    // A station sends a partial first log, CALL.log, and the complete one, CALL_2.log.
    double twoFilesShare = 0.0;
    double unreadableLineShare = 0.0;  // Cabrillo logs with one line that cannot be read
    // Mode spellings of the PSK family, a byte-order mark, HHMMSS times on Cabrillo lines.
    bool mixedFormats = false;
    double exchangeAsCallRate = 0.0;  // the worked participant's exchange in the call field
    // Stations that send no log, held by many logs, miscopied once in one log.
    int bustedNonSenderCalls = 0;
    // A miscopied call re-entered correctly a minute later, the first entry left in the log.
    double reenteredCallRate = 0.0;
    double holeShare = 0.0;  // senders whose logs lack a 10-minute stretch of their QSOs
};

// Every pattern at a modest rate.
RealLogPatterns RealisticPatterns();

struct SimulationSettings {
    std::uint32_t seed = 1;
    int stations = 120;         // on the air, senders and not
    double sendingShare = 0.8;  // of the stations, those that send a log
    int qsosPerStation = 30;    // on average, counted on both sides
    int oneOffStations = 10;    // extra stations worked once by one log: uniques
    // Per QSO: one side misses it, miscopies the call, miscopies the exchange; the QSO is
    // made outside the contest period.
    double nilRate = 0.02;
    double bustedCallRate = 0.03;
    double bustedExchangeRate = 0.03;
    double outOfPeriodRate = 0.01;
    double wrongClockShare = 0.08;  // of the logs
    double workedTwiceRate = 0.01;  // pairs that meet again later in the contest
    int nearCallPairs = 3;          // pairs of senders whose calls differ by one character
    RealLogPatterns real;           // all off: the contests of the plain simulator
};

struct SimulatedLog {
    std::string call;
    std::string fileName;  // "<call>.log" (Cabrillo) or "<call>.adi", '/' written as '_'
    std::string text;
    int clockOffsetMinutes = 0;  // logged minus true time
    int clockDriftMinutes = 0;   // added to the offset by the end of the contest, steadily
    int clockJumpMinutes = 0;    // added to the offset from the middle of the contest on
    // A partial first submission of a station that also sent its complete log: no truth
    // rows refer to it.
    bool partial = false;
    // Other calls a check may name this station by: the call its lines send where the
    // header differs, the form without /P of a station that dropped it.
    std::vector<std::string> otherCalls;
};

struct TruthRow {
    std::string log;   // the sender's call (the log's `call`)
    std::size_t line;  // Cabrillo line or ADIF record, from 1
    QsoStatus status;
    std::string rightCall;  // the call really worked, for BUSTED_CALL
    // The line cannot be read (its partner is judged as if it could); `status` is then what
    // it would deserve if it could.
    bool unreadable = false;
    std::string pattern;  // the real-log pattern that shaped the line; empty for none
};

// "UNREADABLE" for an unreadable line, else the status's name.
std::string TruthStatusName(const TruthRow& row);

struct SimulatedContest {
    double startDays = 0.0;  // contest period [start, end), automation days
    double endDays = 0.0;
    std::vector<SimulatedLog> logs;
    std::vector<TruthRow> truth;  // one row per logged QSO
};

SimulatedContest SimulateContest(const SimulationSettings& settings);

// The contest period as the command line takes it, "YYYY-MM-DD HH:MM".
std::string FormatMinute(double days);
