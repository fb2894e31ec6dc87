// Reading a log file from disk: ADIF or Cabrillo by content, and the worked stations'
// DXCC prefixes from the country file.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "host/common/cty_database.h"
#include "host/common/log_qso.h"

// How messages name standard input.
std::string StandardInputName();

// Nothing that large is a log or a country file; a device that never ends is refused
// instead of filling memory.
constexpr std::size_t kLargestInputFile = std::size_t{1} << 30;

// Reads the whole file; false with a one-line message when it cannot be read (missing, a
// folder, no read permission, more than `largest` bytes). "-" is a file of that name here.
bool ReadWholeFile(const std::filesystem::path& path, std::size_t largest, std::string* bytes,
                   std::string* error);

// Reads standard input to its end, byte for byte; false with a one-line message when it
// cannot be read or holds more than `largest` bytes.
bool ReadStandardInput(std::size_t largest, std::string* bytes, std::string* error);

// Cabrillo when the text opens with START-OF-LOG: or QSO:, ADIF otherwise; a UTF-8
// byte-order mark is skipped first, a UTF-16 file is an error.
LogReadResult ParseLog(std::string_view bytes, const std::string& fileName);

// Reads and parses the country file; false with a one-line message naming the file, and when
// it cannot be read, where a country file comes from.
bool LoadCtyDatabase(const std::string& path, CtyDatabase* cty, std::string* error);

// No standard ADIF or Cabrillo field carries the DXCC prefix as text (ADIF's DXCC is an
// entity number and PFX a WPX prefix), so every prefix comes from the country file. A call
// the file does not know gets an empty prefix and entity.
void AssignPrefixes(const CtyDatabase& cty, std::vector<LogQso>* qsos);
