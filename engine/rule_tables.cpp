// Contents of the contest's rule tables.
#include "engine/rule_tables.h"

// Six positions, one per band row of the status window; the contest allows only 80 m.
const std::array<const char*, kBandSlotCount> kBandNames = {"80m", "80m", "80m",
                                                            "80m", "80m", "80m"};
const std::array<const char*, 1> kModeNames = {"BPSK31"};
const std::array<const char*, kBandSlotCount> kBandSlotNames = {"160m", "80m", "40m",
                                                                "20m",  "15m", "10m"};
const std::array<const char*, 7> kRussianCaptionPrefixes = {"UA", "UA2", "UA2/f", "UA9",
                                                            "UN", "UR",  "EU"};

bool IsCountyCode(const std::string& text) {
    if (text.size() != 2) {
        return false;
    }
    for (const char* code : kCountyCodes) {
        if (text == code) {
            return true;
        }
    }
    return false;
}

bool IsRussianCaptionPrefix(const std::string& text) {
    for (const char* prefix : kRussianCaptionPrefixes) {
        if (text == prefix) {
            return true;
        }
    }
    return false;
}

int BandSlot(const std::string& band) {
    for (int slot = 0; slot < kBandSlotCount; ++slot) {
        if (band == kBandSlotNames[static_cast<size_t>(slot)]) {
            return slot;
        }
    }
    return -1;
}
