// Whether the exchange one station received is the one the other logged as sent: the
// serial number compared as a number, the rest (county code or prefix) ignoring case.
#pragma once

#include <string_view>

// Only what the sender logged is compared: a sent exchange without letters says nothing
// about the county or prefix received, an empty one nothing at all. Blanks are ignored,
// so "012 BV", "12bv" and "012BV" are the same exchange.
bool ExchangeMatches(std::string_view received, std::string_view sent);
