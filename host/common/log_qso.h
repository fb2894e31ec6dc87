// One QSO of a log as a host hands it to the plug-in, and the errors the log readers
// report: the file, the record (or line) and the field, in one line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct LogQso {
    std::size_t recordNumber = 0;  // ADIF record number or Cabrillo line number, from 1
    std::string ownCall;           // as logged; empty when the record names none
    std::string call;
    double days = 0.0;                   // automation date: days since 1899-12-30 00:00 UTC
    std::uint32_t frequencyHz = 0;       // 0 when the log gives none
    bool frequencyWasKilohertz = false;  // an ADIF FREQ in kHz, converted by the reader
    std::string band;                    // lower case, e.g. "80m"; empty when unknown
    std::string mode;
    std::string rstSent;
    std::string rstRcvd;
    std::string exchSent;
    std::string exchRcvd;
    std::string prefix;  // filled from the country file after reading
    std::string entity;  // the country file's entity name, passed as the extra text
};

struct InputError {
    std::string file;
    std::string where;  // "record 3", "line 12", "header"; empty for file-level errors
    std::string field;  // empty when no single field is at fault
    std::string message;

    // "FILE: record 3, field CALL: message"
    std::string Format() const;
};

struct LogReadResult {
    std::vector<LogQso> qsos;
    std::string ownCall;  // from the Cabrillo CALLSIGN: header; empty otherwise
    std::optional<InputError> error;
};
