// The families of the modes logs write, decided once for every host: whether two logged
// modes can be one QSO (the cross-check), and which spellings stand for the contest's BPSK31
// when a log is fed to the plug-in (every host).
#pragma once

#include <string>
#include <string_view>

// A set of mode families; a logged mode may stand for more than one.
using ModeFamilies = unsigned;
constexpr ModeFamilies kCwFamily = 1u;
constexpr ModeFamilies kPhoneFamily = 2u;
constexpr ModeFamilies kRttyFamily = 4u;
constexpr ModeFamilies kDigitalFamily = 8u;  // PSK and every other digital mode
constexpr ModeFamilies kAnyFamily = 15u;

// The families a logged mode (ADIF MODE and SUBMODE, or a Cabrillo mode code with no submode)
// may stand for, in any letter case:
// - CW; phone: PH, SSB, USB, LSB, AM, FM; RTTY: RTTY;
// - RY: Cabrillo's code for RTTY, and in Cabrillo 2.0, which has no other digital code, for
//   every digital mode (the plug-in's own Cabrillo log writes its BPSK31 QSOs as RY): RTTY
//   and digital, unless `rttyLog` (the log's header says it is an RTTY log): RTTY alone;
// - every other mode (DG, PSK, PSK31, BPSK31, PK, BPSK, FT8, OLIVIA...): digital;
// - no mode at all: any family, since nothing contradicts it.
ModeFamilies ModeFamiliesOf(std::string_view mode, std::string_view submode, bool rttyLog);

// Whether two QSOs logged in these families can be one QSO: a Cabrillo RY can meet an ADIF
// PSK31 or RTTY QSO; RTTY and PSK31 never meet.
constexpr bool ModesCanMeet(ModeFamilies first, ModeFamilies second) {
    return (first & second) != 0;
}

// The mode the plug-in is fed for a logged mode of these families. The contest's only mode is
// BPSK31, so every spelling that can mean it in a log of this contest becomes "BPSK31": a
// digital RY, DG, DIGI, PSK, PK, BPSK (a PSK mode without a rate), PSK31 and BPSK31, as the
// mode or as the submode of ADIF's PSK. Every other mode passes as written (the submode when
// there is one), for the plug-in to refuse: PSK63, RTTY, an RTTY log's RY, CW, SSB...
std::string ContestMode(std::string_view mode, std::string_view submode, ModeFamilies families);

// The mode as a log writes it, for messages: "RY", "PSK/PSK31" for an ADIF MODE and SUBMODE.
std::string LoggedModeText(std::string_view mode, std::string_view submode);
