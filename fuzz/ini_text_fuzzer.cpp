// Feeds arbitrary bytes to the INI reader and writer: no crash, and a written key reads back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    (void)FindIniValue(text, "Settings", "Start");
    const std::string edited = SetIniValue(text, "Settings", "Claimed", "160");
    const auto value = FindIniValue(edited, "Settings", "Claimed");
    if (!value || *value != "160") {
        std::abort();
    }
    return 0;
}
