// ReplaceAll: every occurrence of a text replaced by another.
#pragma once

#include <string>

// Finds the occurrences of `search` from left to right without overlap and replaces each;
// replacement text is never searched again. An empty search text gives the text unchanged.
std::string ReplaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement);
