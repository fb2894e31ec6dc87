// Cabrillo 2.0 and 3.0 reader: the "QSO:" lines and the CALLSIGN: header line.
#pragma once

#include <string>
#include <string_view>

#include "host/common/log_qso.h"

// A QSO line reads: frequency (kHz), mode, date (YYYY-MM-DD), time (HHMM), then the sent
// call and exchange and the received call and exchange, optionally followed by a one-digit
// transmitter id. The two halves are of equal length when the received half starts with a
// call sign there; otherwise the received call is the first call-like part after the sent
// exchange. In each half the call comes first, then the RST when the half has three or
// more parts, then the exchange (the remaining parts joined by one blank). Modes RY, DG,
// PSK31 and BPSK31 become "BPSK31" (the plug-in writes its BPSK31 QSOs as RY); others pass
// through as written.
LogReadResult ParseCabrillo(std::string_view bytes, const std::string& fileName);

// True when the bytes look like a Cabrillo log rather than ADIF.
bool LooksLikeCabrillo(std::string_view bytes);
