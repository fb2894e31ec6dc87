// Sanitizing call signs into file names.
#include "host/check/safe_file_name.h"

#include "host/common/text_util.h"
#include "platform/file_names.h"

std::string SafeFileStem(const std::string& call) {
    std::string stem;
    for (const char c : call.substr(0, 64)) {
        const bool kept =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
        stem += kept ? c : '_';
    }
    if (stem.empty() || IsDeviceName(stem)) {
        stem.insert(stem.begin(), '_');
    }
    return stem;
}

std::string ReportFileNames::Claim(const std::string& call) {
    const std::string stem = SafeFileStem(call);
    std::string name = stem;
    for (int n = 2; !m_taken.insert(Upper(name)).second; ++n) {
        name = stem + "-" + std::to_string(n);
    }
    return name + ".txt";
}
