// Reading and editing INI text the way the Windows profile-string functions do: section
// and key names ignore letter case, blanks around names and values are dropped, a value
// in matching quotes loses them, and the first occurrence wins.
#pragma once

#include <optional>
#include <string>

std::optional<std::string> FindIniValue(const std::string& text, const std::string& section,
                                        const std::string& key);

// The text with the key set to the value: replaced in place when present, otherwise added
// at the end of the section, or in a new section at the end. Lines end with CR LF.
std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);
