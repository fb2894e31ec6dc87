// Mode spellings by family. Logs write modes in any letter case; the comparisons here are
// made on the trimmed upper-case text.
#include "host/common/mode_family.h"

#include <initializer_list>

#include "host/common/text_util.h"

namespace {

bool IsOneOf(const std::string& text, std::initializer_list<std::string_view> names) {
    for (const std::string_view name : names) {
        if (text == name) {
            return true;
        }
    }
    return false;
}

bool MeansBpsk31(const std::string& mode) {
    return IsOneOf(mode, {"PSK31", "BPSK31", "PSK", "BPSK", "PK", "DG", "DIGI"});
}

}  // namespace

ModeFamilies ModeFamiliesOf(std::string_view mode, std::string_view submode, bool rttyLog) {
    const std::string upper = Upper(Trim(mode));
    const std::string upperSubmode = Upper(Trim(submode));
    if (upper.empty() && upperSubmode.empty()) {
        return kAnyFamily;
    }
    // A submode names the mode more closely (SSB/USB, PSK/PSK31) where it is known here; an
    // unknown one (RTTY/ASCI) leaves the family to the mode.
    for (const std::string* text : {&upperSubmode, &upper}) {
        if (*text == "CW") {
            return kCwFamily;
        }
        if (IsOneOf(*text, {"PH", "SSB", "USB", "LSB", "AM", "FM"})) {
            return kPhoneFamily;
        }
        if (*text == "RTTY") {
            return kRttyFamily;
        }
        if (*text == "RY") {
            return rttyLog ? kRttyFamily : kRttyFamily | kDigitalFamily;
        }
        if (MeansBpsk31(*text)) {
            return kDigitalFamily;
        }
    }
    return kDigitalFamily;
}

std::string ContestMode(std::string_view mode, std::string_view submode, ModeFamilies families) {
    const std::string written = Trim(submode).empty() ? Trim(mode) : Trim(submode);
    const std::string upper = Upper(written);
    const bool bpsk31 = (families & kDigitalFamily) != 0 &&
                        (MeansBpsk31(upper) || (upper == "RY" && (families & kRttyFamily) != 0));
    return bpsk31 ? std::string("BPSK31") : written;
}

std::string LoggedModeText(std::string_view mode, std::string_view submode) {
    const std::string trimmedSubmode = Trim(submode);
    return trimmedSubmode.empty() ? Trim(mode) : Trim(mode) + "/" + trimmedSubmode;
}
