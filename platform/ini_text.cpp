// INI text parsing and editing.
#include "platform/ini_text.h"

#include <string_view>
#include <vector>

#include "platform/text.h"

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

// Calls visit(line) for each line, its line end (LF or CR LF) dropped, until it returns false.
// The lines are views into the text: reading a key allocates nothing.
template <class Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!visit(line)) {
            return;
        }
        start = end + 1;
    }
}

std::string_view Trim(std::string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::string_view();
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// The section name when the line is a section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    const std::string_view trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') {
        return std::nullopt;
    }
    const size_t close = trimmed.find(']');
    if (close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

bool SplitKeyValue(std::string_view line, std::string_view* key, std::string_view* value) {
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
        return false;
    }
    *key = Trim(line.substr(0, eq));
    *value = Trim(line.substr(eq + 1));
    return true;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::optional<std::string> FindIniValue(const std::string& text, const std::string& section,
                                        const std::string& key) {
    std::optional<std::string> found;
    bool inSection = false;
    ForEachLine(text, [&](std::string_view line) {
        if (const auto name = SectionName(line)) {
            inSection = EqualsIgnoringCase(*name, section);
            return true;
        }
        std::string_view k;
        std::string_view v;
        if (inSection && SplitKeyValue(line, &k, &v) && EqualsIgnoringCase(k, key)) {
            found = std::string(Unquote(v));
            return false;
        }
        return true;
    });
    return found;
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<std::string> lines;
    ForEachLine(text, [&](std::string_view line) {
        lines.emplace_back(line);
        return true;
    });
    const std::string entry = key + "=" + value;
    bool inSection = false;
    bool sectionSeen = false;
    size_t insertAt = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (auto name = SectionName(lines[i])) {
            if (inSection) {
                break;
            }
            inSection = EqualsIgnoringCase(*name, section);
            if (inSection) {
                sectionSeen = true;
                insertAt = i + 1;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        std::string_view k;
        std::string_view v;
        if (SplitKeyValue(lines[i], &k, &v) && EqualsIgnoringCase(k, key)) {
            lines[i] = entry;
            insertAt = lines.size() + 1;
            break;
        }
        if (!Trim(lines[i]).empty()) {
            insertAt = i + 1;
        }
    }
    if (insertAt <= lines.size()) {
        if (sectionSeen) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}
