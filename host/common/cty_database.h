// The country file cty.dat (Debian hamradio-files): DXCC entities with their prefixes and
// exact calls, and the lookup that turns a worked call into its entity's primary prefix.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/common/log_qso.h"

struct CtyEntity {
    std::string name;           // "Romania"
    std::string primaryPrefix;  // "YO"; the '*' of entities off the DXCC list removed
};

class CtyDatabase {
  public:
    // Parses the text of a cty.dat file; an error when it holds no entity at all or an
    // entity that is never closed by ';'.
    static CtyDatabase Parse(std::string_view bytes, const std::string& fileName,
                             std::optional<InputError>* error);

    // The entity of a call sign, or nullptr when no prefix matches. Lookup order:
    // 1. the whole call (upper-cased) among the exact "=CALL" entries;
    // 2. portable calls: trailing "/P", "/M", "/MM", "/AM", "/QRP", "/A", "/B" and a
    //    single-digit area are dropped; of two remaining parts the shorter one names the
    //    location ("DL/YO9XYZ" and "YO9XYZ/DL" are Germany; the first part wins a tie),
    //    and a remaining whole call is tried among the exact entries again;
    // 3. the longest prefix of that part among the prefix entries.
    const CtyEntity* Lookup(std::string_view call) const;

    std::size_t EntityCount() const { return m_entities.size(); }

  private:
    const CtyEntity* LongestPrefix(const std::string& text) const;

    std::vector<CtyEntity> m_entities;
    std::unordered_map<std::string, std::size_t> m_exactCalls;
    std::unordered_map<std::string, std::size_t> m_prefixes;
    std::size_t m_longestPrefix = 0;
};
