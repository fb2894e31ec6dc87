// Settings file access on Windows through the profile-string functions.
#include <windows.h>

#include <array>

#include "platform/files.h"
#include "platform/settings.h"

std::string SettingsFilePath() {
    // An absolute path: a bare or relative name would send the profile functions to the
    // Windows folder instead of the host's.
    return JoinPath(JoinPath(CurrentDirectory(), kSettingsFolder), kSettingsFileName);
}

std::string ReadSetting(const std::string& key, const std::string& defaultValue) {
    // Each read has its own buffer, so reads on two threads never share one.
    std::array<char, kSettingsReadLimit + 1> buffer{};
    const std::string path = SettingsFilePath();
    const DWORD length =
        GetPrivateProfileStringA(kSettingsSection, key.c_str(), defaultValue.c_str(), buffer.data(),
                                 static_cast<DWORD>(buffer.size()), path.c_str());
    return std::string(buffer.data(), length < buffer.size() ? length : kSettingsReadLimit);
}

bool WriteSetting(const std::string& key, const std::string& value) {
    if (!EnsureFolder(JoinPath(CurrentDirectory(), kSettingsFolder))) {
        return false;
    }
    const std::string path = SettingsFilePath();
    return WritePrivateProfileStringA(kSettingsSection, key.c_str(), value.c_str(), path.c_str()) !=
           FALSE;
}

void ReadSettings(std::vector<SettingEntry>& entries) {
    for (SettingEntry& entry : entries) {
        entry.value = ReadSetting(entry.key, entry.value);
    }
}

// The profile functions write key by key, in place.
bool WriteSettings(const std::vector<SettingEntry>& entries) {
    bool written = true;
    for (const SettingEntry& entry : entries) {
        written = WriteSetting(entry.key, entry.value) && written;
    }
    return written;
}
