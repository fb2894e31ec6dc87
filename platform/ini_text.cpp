// INI text parsing and editing.
#include "platform/ini_text.h"

#include <vector>

#include "platform/text.h"

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return "";
    }
    const size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// The section name when the line is a section header.
std::optional<std::string> SectionName(const std::string& line) {
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[') {
        return std::nullopt;
    }
    const size_t close = trimmed.find(']');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

bool SplitKeyValue(const std::string& line, std::string* key, std::string* value) {
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
        return false;
    }
    *key = Trim(line.substr(0, eq));
    *value = Trim(line.substr(eq + 1));
    return true;
}

std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::optional<std::string> FindIniValue(const std::string& text, const std::string& section,
                                        const std::string& key) {
    bool inSection = false;
    for (const std::string& line : SplitLines(text)) {
        if (auto name = SectionName(line)) {
            inSection = EqualsIgnoringCase(*name, section);
            continue;
        }
        std::string k;
        std::string v;
        if (inSection && SplitKeyValue(line, &k, &v) && EqualsIgnoringCase(k, key)) {
            return Unquote(v);
        }
    }
    return std::nullopt;
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<std::string> lines = SplitLines(text);
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
        std::string k;
        std::string v;
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
