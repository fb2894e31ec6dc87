// cty.dat: each entity is "Name: CQ: ITU: Cont: lat: lon: utc: primary-prefix:" followed by
// comma-separated aliases closed by ';'. An alias may carry overrides after it: (CQ zone),
// [ITU zone], <lat/lon>, {continent}, ~utc offset~; they do not change the entity.
#include "host/common/cty_database.h"

#include <cctype>
#include "host/common/text_util.h"

namespace {

bool IsPortableModifier(std::string_view part) {
    return part == "P" || part == "M" || part == "MM" || part == "AM" || part == "QRP" ||
           part == "A" || part == "B" ||
           (part.size() == 1 && std::isdigit(static_cast<unsigned char>(part[0])) != 0);
}

}  // namespace

CtyDatabase CtyDatabase::Parse(std::string_view bytes, const std::string& fileName,
                               std::optional<InputError>* error) {
    CtyDatabase db;
    std::size_t pos = 0;
    std::size_t lineOfEntity = 1;
    while (true) {
        const std::size_t start = bytes.find_first_not_of(" \t\r\n", pos);
        if (start == std::string_view::npos) {
            break;
        }
        for (std::size_t i = pos; i < start; ++i) {
            lineOfEntity += bytes[i] == '\n' ? 1 : 0;
        }
        const std::size_t end = bytes.find(';', start);
        if (end == std::string_view::npos) {
            *error = InputError{fileName, "", "", "an entity is not closed by ';'", lineOfEntity};
            return {};
        }
        const std::string_view entry = bytes.substr(start, end - start);
        std::size_t fieldStart = 0;
        std::vector<std::string> header;
        while (header.size() < 8) {
            const std::size_t colon = entry.find(':', fieldStart);
            if (colon == std::string_view::npos) {
                break;
            }
            header.push_back(Trim(entry.substr(fieldStart, colon - fieldStart)));
            fieldStart = colon + 1;
        }
        if (header.size() < 8 || header[7].empty()) {
            *error = InputError{fileName, "", "", "not a cty.dat entity line", lineOfEntity};
            return {};
        }
        CtyEntity entity;
        entity.name = header[0];
        entity.primaryPrefix = header[7][0] == '*' ? header[7].substr(1) : header[7];
        const std::size_t index = db.m_entities.size();
        db.m_entities.push_back(entity);

        std::string_view aliases = entry.substr(fieldStart);
        std::size_t aliasStart = 0;
        while (aliasStart <= aliases.size()) {
            std::size_t comma = aliases.find(',', aliasStart);
            if (comma == std::string_view::npos) {
                comma = aliases.size();
            }
            std::string alias = Trim(aliases.substr(aliasStart, comma - aliasStart));
            aliasStart = comma + 1;
            alias = Upper(alias.substr(0, alias.find_first_of("([<{~")));
            if (alias.empty()) {
                continue;
            }
            if (alias[0] == '=') {
                db.m_exactCalls.emplace(alias.substr(1), index);
            } else {
                db.m_prefixes.emplace(alias, index);
                db.m_longestPrefix = std::max(db.m_longestPrefix, alias.size());
            }
        }
        for (std::size_t i = start; i < end; ++i) {
            lineOfEntity += bytes[i] == '\n' ? 1 : 0;
        }
        pos = end + 1;
    }
    if (db.m_entities.empty()) {
        *error = InputError{fileName, "", "", "no entity found: not a cty.dat file"};
    }
    return db;
}

const CtyEntity* CtyDatabase::LongestPrefix(const std::string& text) const {
    for (std::size_t length = std::min(text.size(), m_longestPrefix); length > 0; --length) {
        const auto found = m_prefixes.find(text.substr(0, length));
        if (found != m_prefixes.end()) {
            return &m_entities[found->second];
        }
    }
    return nullptr;
}

const CtyEntity* CtyDatabase::Lookup(std::string_view call) const {
    const std::string upper = Upper(Trim(call));
    if (upper.empty()) {
        return nullptr;
    }
    if (const auto exact = m_exactCalls.find(upper); exact != m_exactCalls.end()) {
        return &m_entities[exact->second];
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t slash = upper.find('/', start);
        parts.push_back(upper.substr(start, slash - start));
        if (slash == std::string::npos) {
            break;
        }
        start = slash + 1;
    }
    while (parts.size() > 1 && IsPortableModifier(parts.back())) {
        parts.pop_back();
    }
    std::string location = parts.front();
    for (const std::string& part : parts) {
        if (!part.empty() && (location.empty() || part.size() < location.size())) {
            location = part;
        }
    }
    if (parts.size() > 1 || location != upper) {
        if (const auto exact = m_exactCalls.find(location); exact != m_exactCalls.end()) {
            return &m_entities[exact->second];
        }
    }
    return LongestPrefix(location);
}
