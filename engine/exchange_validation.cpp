// Exchange validation: a pure function of the exchange, the prefix and the county table.
#include "engine/exchange_validation.h"

#include <string>

#include "engine/rule_tables.h"

namespace {

constexpr size_t kShortestExchange = 2;
constexpr size_t kLongestExchange = 7;

bool EndsWith(const std::string& text, const std::string& ending) {
    // An ending longer than the text is compared with the whole text, so it never matches.
    return ending.size() <= text.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsAllDigits(const std::string& text) {
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

}  // namespace

int IsValidExchange(const char* exchange, const char* prefix, int refuse) {
    if (refuse != 0 || exchange == nullptr || prefix == nullptr) {
        return 0;
    }
    const std::string text = exchange;
    if (text == "599" || text.size() < kShortestExchange || text.size() > kLongestExchange) {
        return 0;
    }
    const std::string worked = prefix;
    if (IsHomePrefix(worked)) {
        return IsCountyCode(text.substr(text.size() - 2)) ? 1 : 0;
    }
    return (EndsWith(text, worked) || IsAllDigits(text)) ? 1 : 0;
}
