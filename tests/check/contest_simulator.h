// A seeded simulator of a whole Sarnet Contest: stations on the air, the QSOs they make,
// the logs the senders write (Cabrillo or ADIF) with the faults real logs have, and the
// verdict every logged QSO deserves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/check/qso_status.h"

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
};

struct SimulatedLog {
    std::string call;
    std::string fileName;  // "<call>.log" (Cabrillo) or "<call>.adi", '/' written as '_'
    std::string text;
    int clockOffsetMinutes = 0;  // logged minus true time
};

struct TruthRow {
    std::string log;   // the sender's call
    std::size_t line;  // Cabrillo line or ADIF record, from 1
    QsoStatus status;
    std::string rightCall;  // the call really worked, for BUSTED_CALL
};

struct SimulatedContest {
    double startDays = 0.0;  // contest period [start, end), automation days
    double endDays = 0.0;
    std::vector<SimulatedLog> logs;
    std::vector<TruthRow> truth;  // one row per logged QSO
};

SimulatedContest SimulateContest(const SimulationSettings& settings);

// The contest period as the command line takes it, "YYYY-MM-DD HH:MM".
std::string FormatMinute(double days);
