// Whether the exchange one station received is the one the other logged as sent, by one
// policy: blanks and letter case ignored; the serial number compared as a number ("001" is
// "1"); the rest (county code or prefix) compared as text. Two lenient rules, each named
// when it decides a match: a letter O among the serial's digits read as a zero ("O12" for
// "012"), and a copy cut short by the receiving program's field ("012B" for "012BV": the
// whole serial and the start of the rest).
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct ExchangeParts {
    std::string serial;  // without leading zeros; empty when the exchange has no number
    bool hasSerial = false;
    std::string rest;  // upper case, blanks removed
};

ExchangeParts SplitExchange(std::string_view text);

// The plain comparison of split exchanges, without the lenient rules.
bool PartsMatch(const ExchangeParts& received, const ExchangeParts& sent);

// Only what the sender logged is compared: a sent exchange without letters says nothing
// about the county or prefix received, an empty one nothing at all.
struct ExchangeComparison {
    bool matches = false;
    std::string lenientRule;  // "letter O read as zero", ...; empty for a plain match
};
ExchangeComparison CompareExchange(std::string_view received, std::string_view sent);

bool ExchangeMatches(std::string_view received, std::string_view sent);

// The serial as a number; none when the exchange has none or it is absurdly long.
std::optional<long> SerialOf(std::string_view exchange);
std::optional<long> SerialOf(const ExchangeParts& parts);
