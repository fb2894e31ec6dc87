// From ADIF records to the QSOs the plug-in is fed: field choice, date and time,
// frequency and band, and the mode names loggers write for BPSK31.
#pragma once

#include <string>
#include <string_view>

#include "host/common/adif_reader.h"
#include "host/common/log_qso.h"

// "PSK" with submode "PSK31"/"BPSK31", and the older modes "PSK31"/"BPSK31", become
// "BPSK31" (any letter case); other modes pass through as written (the submode when there
// is one) so that the plug-in judges them.
std::string NormaliseMode(std::string_view mode, std::string_view submode);

// Megahertz in decimal text to hertz, without floating-point rounding. False when the
// text is not a decimal number; frequencies above the 32-bit range give 0 hertz.
bool ParseMegahertz(std::string_view text, std::uint32_t* hertz);

// One record; an error names the record and the field.
std::optional<InputError> ConvertAdifRecord(const AdifRecord& record, const std::string& fileName,
                                            LogQso* qso);

// Converts every record; the first record that cannot be converted is the error.
LogReadResult ConvertAdifRecords(const AdifParseResult& parsed, const std::string& fileName);

// Reads and converts in one pass, without holding every raw record (large logs).
LogReadResult ReadAdifLog(std::string_view bytes, const std::string& fileName);
