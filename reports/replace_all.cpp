// ReplaceAll.
#include "reports/replace_all.h"

std::string ReplaceAll(const std::string& text, const std::string& search,
                       const std::string& replacement) {
    if (search.empty() || search == replacement) {
        return text;
    }
    std::string result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t found = text.find(search); found != std::string::npos;
         found = text.find(search, from)) {
        result.append(text, from, found - from);
        result += replacement;
        from = found + search.size();
    }
    result.append(text, from, std::string::npos);
    return result;
}
