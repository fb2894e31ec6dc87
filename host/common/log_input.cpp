// File reading and format choice; the lookups are cached per call sign because contest
// logs repeat few calls many times.
#include "host/common/log_input.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "host/common/adif_conversion.h"
#include "host/common/adif_reader.h"
#include "host/common/cabrillo_reader.h"
#include "host/common/file_paths.h"
#include "host/common/text_util.h"

namespace {

// "64 MB", "1 GB": a size limit in words.
std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kMegabyte = std::size_t{1} << 20;
    constexpr std::size_t kGigabyte = std::size_t{1} << 30;
    if (bytes >= kGigabyte && bytes % kGigabyte == 0) {
        return std::to_string(bytes / kGigabyte) + " GB";
    }
    return bytes >= kMegabyte && bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB"
                                                        : std::to_string(bytes) + " bytes";
}

std::string TooLarge(const std::string& name, std::size_t largest) {
    return name + ": larger than " + SizeText(largest) + ", not a log";
}

bool ReadStream(std::FILE* file, const std::string& name, std::size_t largest, std::string* bytes,
                std::string* error) {
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (count > largest - bytes->size()) {
            *error = TooLarge(name, largest);
            return false;
        }
        bytes->append(buffer, count);
    }
    if (std::ferror(file) != 0) {
        *error = name + ": cannot read: " + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

bool ReadWholeFile(const std::filesystem::path& path, std::size_t largest, std::string* bytes,
                   std::string* error) {
    bytes->clear();
    const std::string name = path.string();
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        *error = name + ": is a folder, not a file";
        return false;
    }
    // A file of known size is refused unread when too large, and read in one allocation
    // otherwise (a 100 000-QSO log is 20 MB).
    const std::uintmax_t size = std::filesystem::file_size(path, status);
    const bool sizeKnown = !status;
    if (sizeKnown && size > largest) {
        *error = TooLarge(name, largest);
        return false;
    }
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr) {
        *error = name + ": cannot open: " + std::strerror(errno);
        return false;
    }
    if (sizeKnown) {
        bytes->reserve(static_cast<std::size_t>(size));
    }
    const bool read = ReadStream(file, name, largest, bytes, error);
    std::fclose(file);
    return read;
}

bool ReadStandardInput(std::size_t largest, std::string* bytes, std::string* error) {
    bytes->clear();
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return ReadStream(stdin, StandardInputName(), largest, bytes, error);
}

std::string StandardInputName() {
    return "standard input";
}

LogReadResult ParseLog(std::string_view bytes, const std::string& fileName) {
    // UTF-16 text has a zero byte in every ASCII character: no reader could make sense of it.
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        LogReadResult result;
        result.errors.Add(InputError{fileName, "", "",
                                     "the file is UTF-16 text: save it as plain text (ANSI or "
                                     "UTF-8) and run again"});
        return result;
    }
    if (LooksLikeCabrillo(bytes)) {
        return ParseCabrillo(bytes, fileName);
    }
    return ReadAdifLog(bytes, fileName);
}

bool LoadCtyDatabase(const std::string& path, CtyDatabase* cty, std::string* error) {
    std::string bytes;
    if (!ReadWholeFile(path, kLargestInputFile, &bytes, error)) {
        *error += " (the country file: install the hamradio-files package or give --cty PATH)";
        return false;
    }
    std::optional<InputError> parseError;
    *cty = CtyDatabase::Parse(bytes, path, &parseError);
    if (parseError) {
        *error = parseError->Format();
        return false;
    }
    return true;
}

void AssignPrefixes(const CtyDatabase& cty, std::vector<LogQso>* qsos) {
    std::unordered_map<std::string, const CtyEntity*> cache;
    for (LogQso& qso : *qsos) {
        auto found = cache.find(qso.call);
        if (found == cache.end()) {
            found = cache.emplace(qso.call, cty.Lookup(qso.call)).first;
        }
        const CtyEntity* entity = found->second;
        qso.prefix = entity != nullptr ? entity->primaryPrefix : std::string();
        qso.entity = entity != nullptr ? entity->name : std::string();
    }
}
