// Exchange comparison: leading digits are the serial, the remaining text its suffix.
#include "host/check/exchange_match.h"

#include <string>

#include "host/common/text_util.h"

namespace {

std::string Packed(std::string_view text) {
    std::string packed;
    for (const char c : Upper(text)) {
        if (c != ' ' && c != '\t') {
            packed += c;
        }
    }
    return packed;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

ExchangeParts SplitPacked(const std::string& packed) {
    ExchangeParts parts;
    std::size_t digits = 0;
    while (digits < packed.size() && IsDigit(packed[digits])) {
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

bool PartsMatch(const ExchangeParts& got, const ExchangeParts& given) {
    if (given.hasSerial && (!got.hasSerial || got.serial != given.serial)) {
        return false;
    }
    return given.rest.empty() || got.rest == given.rest;
}

ExchangeParts SplitExchange(std::string_view text) {
    return SplitPacked(Packed(text));
}

ExchangeComparison CompareExchange(std::string_view received, std::string_view sent) {
    const std::string got = Packed(received);
    const ExchangeParts given = SplitExchange(sent);
    ExchangeComparison result;
    if (PartsMatch(SplitPacked(got), given)) {
        result.matches = true;
        return result;
    }
    // A letter O typed among the digits of the serial.
    std::string zeroed = got;
    std::size_t i = 0;
    while (i < zeroed.size() && (IsDigit(zeroed[i]) || zeroed[i] == 'O')) {
        ++i;
    }
    bool anyDigit = false;
    for (std::size_t j = 0; j < i; ++j) {
        anyDigit = anyDigit || IsDigit(zeroed[j]);
    }
    if (anyDigit && zeroed.find('O') < i) {
        for (std::size_t j = 0; j < i; ++j) {
            zeroed[j] = zeroed[j] == 'O' ? '0' : zeroed[j];
        }
        // "O12BV": the O read as a zero may also have been the county's first letter.
        if (PartsMatch(SplitPacked(zeroed), given)) {
            result.matches = true;
            result.lenientRule = "letter O read as zero";
            return result;
        }
    }
    // Cut short by the receiving program: the whole serial and the start of the rest.
    const ExchangeParts parts = SplitPacked(got);
    if (given.hasSerial && parts.serial == given.serial && !parts.rest.empty() &&
        parts.rest.size() < given.rest.size() &&
        given.rest.compare(0, parts.rest.size(), parts.rest) == 0) {
        result.matches = true;
        result.lenientRule = "copy cut short";
    }
    return result;
}

bool ExchangeMatches(std::string_view received, std::string_view sent) {
    return CompareExchange(received, sent).matches;
}

std::optional<long> SerialOf(std::string_view exchange) {
    // The leading digits, blanks skipped, without the allocations of a whole split: the
    // index numbers every QSO of the contest by it.
    long value = 0;
    bool any = false;
    std::size_t significant = 0;
    for (const char c : exchange) {
        if (c == ' ' || c == '\t') {
            continue;
        }
        if (!IsDigit(c)) {
            break;
        }
        any = true;
        if (significant > 0 || c != '0') {
            ++significant;
        }
        if (significant > 6) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (!any) {
        return std::nullopt;
    }
    return value;
}

std::optional<long> SerialOf(const ExchangeParts& parts) {
    if (!parts.hasSerial || parts.serial.size() > 6) {
        return std::nullopt;
    }
    return std::stol(parts.serial);
}
