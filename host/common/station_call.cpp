// Character tests only: which prefixes exist is the country file's business.
#include "host/common/station_call.h"

#include "host/common/log_normalizer.h"

bool IsCallText(std::string_view call) {
    for (const char c : call) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7f) {
            return false;
        }
    }
    return !call.empty();
}

namespace {

bool IsLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Prefix, digits, suffix: "YO" "3" "ABC".
bool IsBaseCall(std::string_view part) {
    std::size_t suffix = part.size();
    while (suffix > 0 && IsLetter(part[suffix - 1])) {
        --suffix;
    }
    std::size_t digits = suffix;
    while (digits > 0 && IsDigit(part[digits - 1])) {
        --digits;
    }
    const std::size_t suffixLength = part.size() - suffix;
    const std::string_view prefix = part.substr(0, digits);
    bool prefixLetter = false;
    for (const char c : prefix) {
        if (!IsLetter(c) && !IsDigit(c)) {
            return false;
        }
        prefixLetter = prefixLetter || IsLetter(c);
    }
    return suffixLength >= 1 && suffixLength <= 4 && suffix - digits >= 1 && suffix - digits <= 4 &&
           prefix.size() <= 3 && prefixLetter;
}

bool IsPortablePart(std::string_view part) {
    if (part.empty() || part.size() > 6) {
        return false;
    }
    for (const char c : part) {
        if (!IsLetter(c) && !IsDigit(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool HasCallSignShape(std::string_view token) {
    std::string_view parts[3];
    std::size_t count = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = token.find('/', start);
        if (count == 3) {
            return false;
        }
        parts[count++] = token.substr(start, slash - start);
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
    bool base = false;
    for (std::size_t i = 0; i < count; ++i) {
        if (!base && IsBaseCall(parts[i])) {
            base = true;
        } else if (!IsPortablePart(parts[i])) {
            return false;
        }
    }
    return base;
}

bool HasLetterBeforeDigit(std::string_view token) {
    const std::size_t letter =
        token.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return letter != std::string_view::npos &&
           token.find_first_of("0123456789", letter) != std::string_view::npos;
}

bool LooksLikeStationCall(const std::string& call) {
    if (call.empty() || call.size() > 20) {
        return false;
    }
    bool letter = false;
    bool digit = false;
    for (const char c : call) {
        letter = letter || (c >= 'A' && c <= 'Z');
        digit = digit || (c >= '0' && c <= '9');
        if (!(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9') && c != '/') {
            return false;
        }
    }
    return letter && digit;
}

LogOwnCall FindOwnCallOfLog(const LogReadResult& log, const std::string& fileName) {
    LogOwnCall found;
    found.call = NormaliseCall(log.ownCall);
    if (!found.call.empty()) {
        found.place = InputError{fileName, "", "CALLSIGN", "", log.ownCallLine};
        return found;
    }
    for (const LogQso& qso : log.qsos) {
        found.call = NormaliseCall(qso.ownCall);
        if (!found.call.empty()) {
            const bool adif = log.format == LogFormat::Adif;
            found.place = InputError{fileName,
                                     adif ? "record " + std::to_string(qso.recordNumber) : "",
                                     std::string(qso.ownCallField),
                                     "",
                                     adif ? 0 : qso.recordNumber,
                                     qso.call};
            break;
        }
    }
    return found;
}

std::string OwnCallOfLog(const LogReadResult& log) {
    return FindOwnCallOfLog(log, "").call;
}
