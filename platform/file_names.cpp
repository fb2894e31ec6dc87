// Plain file names from outside text.
#include "platform/file_names.h"

#include <array>
#include <cstring>

namespace {

bool IsRefused(char c) {
    return static_cast<unsigned char>(c) < 32 || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

char ToUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.pop_back();
    }
    for (char& c : stem) {
        c = ToUpper(c);
    }
    static constexpr std::array<const char*, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    for (const char* device : kDevices) {
        if (stem == device) {
            return true;
        }
    }
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

}  // namespace

std::string PlainFileName(const std::string& name) {
    std::string plain = name;
    for (char& c : plain) {
        if (IsRefused(c)) {
            c = '_';
        }
    }
    return IsDeviceName(plain) ? "_" + plain : plain;
}
