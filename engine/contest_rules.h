// CContestRules: a list of allowed texts with a case-insensitive membership test.
#pragma once

#include <string>
#include <vector>

class CContestRules {
  public:
    CContestRules(const char* const* texts, int count);
    ~CContestRules() = default;

    // True when some element equals the text ignoring letter case.
    bool Contains(const std::string& text) const;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    const std::string& GetAt(int index) const { return m_items.at(static_cast<size_t>(index)); }

  private:
    std::vector<std::string> m_items;
};
