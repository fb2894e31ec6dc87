// From ADIF records to the QSOs the plug-in is fed: field choice, date and time,
// frequency and band, and the mode as the plug-in is fed it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/common/adif_reader.h"
#include "host/common/log_qso.h"

// Megahertz in decimal text to hertz, without floating-point rounding. False when the
// text is not a decimal number; above a million megahertz the result is 0.
bool ParseMegahertz(std::string_view text, std::uint64_t* hertz);

// One record; an error names the record and the field.
std::optional<InputError> ConvertAdifRecord(const AdifRecord& record, const std::string& fileName,
                                            LogQso* qso);

// Converts every record; every record that cannot be converted is an error, the others are
// all kept.
LogReadResult ConvertAdifRecords(const AdifParseResult& parsed, const std::string& fileName);

// Reads and converts in one pass, without holding every raw record (large logs). A format
// error ends the scan; the records before it are all converted and their errors listed.
LogReadResult ReadAdifLog(std::string_view bytes, const std::string& fileName);
