// CContestRules membership test.
#include "engine/contest_rules.h"

#include "platform/text.h"

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
