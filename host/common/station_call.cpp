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

std::string OwnCallOfLog(const LogReadResult& log) {
    std::string call = NormaliseCall(log.ownCall);
    for (std::size_t i = 0; call.empty() && i < log.qsos.size(); ++i) {
        call = NormaliseCall(log.qsos[i].ownCall);
    }
    return call;
}
