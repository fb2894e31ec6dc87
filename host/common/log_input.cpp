// File reading and format choice; the lookups are cached per call sign because contest
// logs repeat few calls many times.
#include "host/common/log_input.h"

#include <cerrno>
#include <filesystem>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "host/common/adif_conversion.h"
#include "host/common/adif_reader.h"
#include "host/common/cabrillo_reader.h"

namespace {

// Nothing that large is a log; a device that never ends is refused instead of filling memory.
constexpr std::size_t kLargestFile = std::size_t{1} << 30;

bool ReadStream(std::FILE* file, const std::string& name, std::string* bytes, std::string* error) {
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (bytes->size() + count > kLargestFile) {
            *error = name + ": larger than 1 GB, not a log";
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

bool ReadWholeFile(const std::string& path, std::string* bytes, std::string* error) {
    bytes->clear();
    std::error_code status;
    if (std::filesystem::is_directory(std::filesystem::path(path), status)) {
        *error = path + ": is a folder, not a file";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    // One allocation for the whole file when its size is known (a 100 000-QSO log is 20 MB).
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0 && static_cast<unsigned long>(size) <= kLargestFile) {
            bytes->reserve(static_cast<std::size_t>(size));
        }
        std::rewind(file);
    }
    const bool read = ReadStream(file, path, bytes, error);
    std::fclose(file);
    return read;
}

bool ReadStandardInput(std::string* bytes, std::string* error) {
    bytes->clear();
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return ReadStream(stdin, StandardInputName(), bytes, error);
}

std::string StandardInputName() {
    return "standard input";
}

LogReadResult ParseLog(std::string_view bytes, const std::string& fileName) {
    if (LooksLikeCabrillo(bytes)) {
        return ParseCabrillo(bytes, fileName);
    }
    return ReadAdifLog(bytes, fileName);
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
