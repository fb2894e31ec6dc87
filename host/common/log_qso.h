// One QSO of a log as a host hands it to the plug-in, and the errors the log readers
// report: the file, the record (or line) and the field, in one line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/common/mode_family.h"

struct LogQso {
    std::size_t recordNumber = 0;  // ADIF record number or Cabrillo line number, from 1
    // The call this line or record says was sent (Cabrillo's sent-call column, ADIF's
    // STATION_CALLSIGN, else OPERATOR); empty when it names none.
    std::string ownCall;
    std::string_view ownCallField;  // where ownCall comes from: "STATION_CALLSIGN", "OPERATOR"...
    std::string call;
    double days = 0.0;                   // automation date: days since 1899-12-30 00:00 UTC
    std::uint32_t frequencyHz = 0;       // 0 when the log gives none
    bool frequencyWasKilohertz = false;  // an ADIF FREQ in kHz, converted by the reader
    std::string band;                    // lower case, e.g. "80m"; empty when unknown
    std::string mode;                    // as the plug-in is fed it (ContestMode)
    std::string loggedMode;              // as the log writes it: "RY", "PSK/PSK31"
    ModeFamilies modeFamilies = kAnyFamily;
    std::string rstSent;
    std::string rstRcvd;
    std::string exchSent;
    std::string exchRcvd;
    std::string prefix;  // filled from the country file after reading
    std::string entity;  // the country file's entity name, passed as the extra text
};

struct InputError {
    InputError() = default;
    InputError(std::string inFile, std::string inWhere, std::string inField, std::string inMessage,
               std::size_t inLine = 0, std::string inCall = {})
        : file(std::move(inFile)),
          where(std::move(inWhere)),
          field(std::move(inField)),
          message(std::move(inMessage)),
          line(inLine),
          call(std::move(inCall)) {}

    std::string file;
    std::string
        where;  // "record 3", "header"; empty for file-level errors and where `line` alone says it
    std::string field;     // empty when no single field is at fault
    std::string message;   // shows the value at fault
    std::size_t line = 0;  // the line of the record or the fault; 0 when not known
    std::string call;      // the record's call sign, when it has one

    // "FILE: line 12, record 3 (DL1ABC), field QSO_DATE: message"
    std::string Format() const;
};

// How many errors of one log are kept to be listed; the rest are only counted.
constexpr std::size_t kListedInputErrors = 20;

// The errors of one log: the first kListedInputErrors of them and how many there are.
struct InputErrors {
    std::vector<InputError> listed;
    std::size_t total = 0;

    void Add(InputError error);
    bool Any() const { return total > 0; }
};

enum class LogFormat { Adif, Cabrillo };

// A log as its reader found it: every QSO it could read, whatever the errors of other lines
// or records, and what it read by a guess the operator should see (warnings).
struct LogReadResult {
    LogFormat format = LogFormat::Adif;
    std::vector<LogQso> qsos;
    std::string ownCall;          // from the Cabrillo CALLSIGN: header; empty otherwise
    std::size_t ownCallLine = 0;  // the line of that header
    InputErrors errors;
    InputErrors warnings;
};
