// File reading and format choice; the lookups are cached per call sign because contest
// logs repeat few calls many times.
#include "host/common/log_input.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unordered_map>

#include "host/common/adif_conversion.h"
#include "host/common/adif_reader.h"
#include "host/common/cabrillo_reader.h"

bool ReadWholeFile(const std::string& path, std::string* bytes, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    bytes->clear();
    // One allocation for the whole file when its size is known (a 100 000-QSO log is 20 MB).
    if (std::fseek(file, 0, SEEK_END) == 0) {
        const long size = std::ftell(file);
        if (size > 0) {
            bytes->reserve(static_cast<std::size_t>(size));
        }
        std::rewind(file);
    }
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes->append(buffer, count);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        *error = path + ": cannot read: " + std::strerror(errno);
        return false;
    }
    return true;
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
