// Mode families and the spellings fed to the plug-in, as ADIF and Cabrillo logs write them.
#include <gtest/gtest.h>

#include "host/common/mode_family.h"

namespace {

std::string Fed(std::string_view mode, std::string_view submode = {}, bool rttyLog = false) {
    return ContestMode(mode, submode, ModeFamiliesOf(mode, submode, rttyLog));
}

}  // namespace

TEST(ModeFamily, WhichLoggedModesCanBeOneQso) {
    const ModeFamilies cabrilloRy = ModeFamiliesOf("RY", "", false);
    const ModeFamilies rttyLogRy = ModeFamiliesOf("ry", "", true);
    const ModeFamilies adifPsk31 = ModeFamiliesOf("PSK", "PSK31", false);
    const ModeFamilies adifRtty = ModeFamiliesOf("rtty", "", false);
    EXPECT_TRUE(ModesCanMeet(cabrilloRy, adifPsk31));
    EXPECT_TRUE(ModesCanMeet(cabrilloRy, adifRtty));
    EXPECT_FALSE(ModesCanMeet(adifRtty, adifPsk31));
    EXPECT_FALSE(ModesCanMeet(rttyLogRy, adifPsk31));
    EXPECT_TRUE(ModesCanMeet(rttyLogRy, adifRtty));
    // Phone in all its spellings, the submode deciding where it is known.
    EXPECT_TRUE(ModesCanMeet(ModeFamiliesOf("PH", "", false), ModeFamiliesOf("SSB", "usb", false)));
    EXPECT_TRUE(ModesCanMeet(ModeFamiliesOf("fm", "", false), ModeFamiliesOf("LSB", "", false)));
    EXPECT_FALSE(ModesCanMeet(ModeFamiliesOf("CW", "", false), ModeFamiliesOf("PH", "", false)));
    EXPECT_EQ(ModeFamiliesOf("RTTY", "BPSK31", false), kDigitalFamily);
    EXPECT_EQ(ModeFamiliesOf("RTTY", "ASCI", false), kRttyFamily);
    EXPECT_EQ(ModeFamiliesOf("DG", "", false), kDigitalFamily);
    EXPECT_EQ(ModeFamiliesOf("MFSK", "FT4", false), kDigitalFamily);
    EXPECT_EQ(ModeFamiliesOf(" ", "", false), kAnyFamily);
}

TEST(ModeFamily, EverySpellingOfBpsk31AndNothingElseIsFedAsBpsk31) {
    for (const auto& [mode, submode] : {std::pair{"RY", ""},
                                        {"ry", ""},
                                        {"DG", ""},
                                        {"PSK", ""},
                                        {"pk", ""},
                                        {"BPSK", ""},
                                        {"PSK31", ""},
                                        {"bpsk31", ""},
                                        {"PSK", "PSK31"},
                                        {"psk", "bpsk31"},
                                        {"RTTY", "BPSK31"}}) {
        EXPECT_EQ(Fed(mode, submode), "BPSK31") << mode << "/" << submode;
    }
    EXPECT_EQ(Fed("RY", "", true), "RY");
    EXPECT_EQ(Fed("RTTY"), "RTTY");
    EXPECT_EQ(Fed("PSK", "PSK63"), "PSK63");
    EXPECT_EQ(Fed("PSK63"), "PSK63");
    EXPECT_EQ(Fed("SSB", "USB"), "USB");
    EXPECT_EQ(Fed("CW"), "CW");
    EXPECT_EQ(Fed(""), "");
    EXPECT_EQ(LoggedModeText(" PSK", "PSK31 "), "PSK/PSK31");
    EXPECT_EQ(LoggedModeText("RY", ""), "RY");
}
