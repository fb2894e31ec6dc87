// Cabrillo 2.0 and 3.0 reader: the "QSO:" lines and the CALLSIGN: header line.
#pragma once

#include <string>
#include <string_view>

#include "host/common/log_qso.h"

// A QSO line reads: frequency (kHz), mode, date (YYYY-MM-DD), time (HHMM), the sent call and
// exchange, the received call and exchange, optionally a transmitter id. Where the received
// call stands is learnt from the whole log (cabrillo_layout.h); a line read by a guess is a
// warning naming it. The mode is fed as ContestMode gives it; CATEGORY-MODE: RTTY (or a
// CATEGORY: or CONTEST: naming RTTY) makes the log's RY QSOs RTTY ones. Every line that can
// be read is kept, whatever the errors of the others. A byte-order mark is skipped.
LogReadResult ParseCabrillo(std::string_view bytes, const std::string& fileName);

// True when the bytes look like a Cabrillo log rather than ADIF.
bool LooksLikeCabrillo(std::string_view bytes);
