// Test tool: prints the records our ADIF reader finds, one JSON object per line (field
// names in lower case), for comparison with a third-party reader.
#include <cctype>
#include <cstdio>
#include <iostream>
#include <string>

#include "host/common/adif_reader.h"
#include "host/common/log_input.h"

namespace {

std::string Json(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte >= 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: score_adif_dump FILE.adi\n";
        return 1;
    }
    std::string bytes;
    std::string error;
    if (!ReadWholeFile(argv[1], kLargestInputFile, &bytes, &error)) {
        std::cerr << error << '\n';
        return 2;
    }
    const AdifParseResult parsed = ParseAdif(bytes, argv[1]);
    if (parsed.error) {
        std::cerr << parsed.error->Format() << '\n';
        return 2;
    }
    for (const AdifRecord& record : parsed.records) {
        std::string line;
        for (const auto& [name, value] : record.fields) {
            std::string lower = name;
            for (char& c : lower) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            line += (line.empty() ? "{" : ",") + Json(lower) + ":" + Json(value);
        }
        std::cout << line << "}\n";
    }
    return 0;
}
