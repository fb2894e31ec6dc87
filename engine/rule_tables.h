// The contest's fixed rule tables: band and mode rule sets, band slots, county codes,
// the home-country prefix and the prefixes that switch the status windows to Russian.
#pragma once

#include <array>
#include <string>

constexpr int kBandSlotCount = 6;

extern const std::array<const char*, kBandSlotCount> kBandNames;
extern const std::array<const char*, 1> kModeNames;
extern const std::array<const char*, kBandSlotCount> kBandSlotNames;
extern const std::array<const char*, 7> kRussianCaptionPrefixes;

constexpr const char* kHomePrefix = "YO";
constexpr int kDxccEntityTotal = 338;
constexpr int kCountyTotal = 42;

// The county codes in the engine's order, the order in which every lookup runs.
inline constexpr std::array<const char*, kCountyTotal> kCountyCodes = {
    "AB", "AR", "AG", "BC", "BH", "BN", "BT", "BV", "BR", "BU", "BZ", "CS", "CL", "CJ",
    "CT", "CV", "DB", "DJ", "GL", "GR", "GJ", "HR", "HD", "IF", "IL", "IS", "MM", "MH",
    "MS", "NT", "OT", "PH", "SM", "SJ", "SB", "SV", "TR", "TM", "TL", "VS", "VL", "VN"};

// True when the text is exactly one of the 42 codes (case-sensitive, two characters).
bool IsCountyCode(const std::string& text);

// True when the text is exactly one of the seven Russian-caption prefixes.
bool IsRussianCaptionPrefix(const std::string& text);

// Slot of a band text in kBandSlotNames (exact comparison), or -1 when it has none.
int BandSlot(const std::string& band);

// A home-country QSO carries exactly the prefix "YO".
inline bool IsHomePrefix(const std::string& prefix) {
    return prefix == kHomePrefix;
}
