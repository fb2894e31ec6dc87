// File names made of outside text (a call sign): kept a plain name in the current folder on
// every system, whatever the text holds. Header-only, so that the hosts, which reach the
// plug-in through its C functions only, name its files by the same rule.
#pragma once

#include <array>
#include <string>
#include <string_view>

// Whether Windows takes the name for a device: CON, PRN, AUX, NUL, COM0 to COM9 or LPT0 to
// LPT9 before the first dot, in any letter case, trailing blanks ignored.
inline bool IsDeviceName(std::string_view name) {
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') {
        stem.remove_suffix(1);
    }
    std::string upper(stem);
    for (char& c : upper) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    static constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    for (const std::string_view device : kDevices) {
        if (upper == device) {
            return true;
        }
    }
    return upper.size() == 4 &&
           (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '0' && upper[3] <= '9';
}

// The name with every character Windows refuses in a file name (< > : " / \ | ? * and the
// control characters) made "_", so that no folder, drive or stream part remains; a device
// name gets a "_" in front.
inline std::string PlainFileName(const std::string& name) {
    std::string plain = name;
    for (char& c : plain) {
        if (static_cast<unsigned char>(c) < 32 ||
            std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) {
            c = '_';
        }
    }
    return IsDeviceName(plain) ? "_" + plain : plain;
}
