// CContestRules membership test.
#include "engine/contest_rules.h"

namespace {

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}

CContestRules::CContestRules(const char* const* texts, int count) {
    for (int i = 0; i < count; ++i) {
        m_items.emplace_back(texts[i] != nullptr ? texts[i] : "");
    }
}

bool CContestRules::Contains(const std::string& text) const {
    for (const std::string& item : m_items) {
        if (EqualsIgnoringCase(item, text)) {
            return true;
        }
    }
    return false;
}
