// Exchange comparison: leading digits are the serial, the remaining text its suffix.
#include "host/check/exchange_match.h"

#include <string>

#include "host/common/text_util.h"

namespace {

struct ExchangeParts {
    std::string serial;  // without leading zeros; empty when the exchange has no number
    bool hasSerial = false;
    std::string rest;  // upper case, blanks removed
};

ExchangeParts Split(std::string_view text) {
    std::string packed;
    for (const char c : Upper(text)) {
        if (c != ' ' && c != '\t') {
            packed += c;
        }
    }
    ExchangeParts parts;
    std::size_t digits = 0;
    while (digits < packed.size() && packed[digits] >= '0' && packed[digits] <= '9') {
        ++digits;
    }
    parts.hasSerial = digits > 0;
    std::size_t first = 0;
    while (first + 1 < digits && packed[first] == '0') {
        ++first;
    }
    parts.serial = packed.substr(first, digits - first);
    parts.rest = packed.substr(digits);
    return parts;
}

}  // namespace

bool ExchangeMatches(std::string_view received, std::string_view sent) {
    const ExchangeParts got = Split(received);
    const ExchangeParts given = Split(sent);
    if (given.hasSerial && (!got.hasSerial || got.serial != given.serial)) {
        return false;
    }
    return given.rest.empty() || got.rest == given.rest;
}
