// Settings file access on POSIX systems through our own INI reader and writer.
#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/settings.h"

// Relative to the current directory: the system resolves it at any depth, where a whole
// path built from getcwd() would pass PATH_MAX in a deeply nested folder.
std::string SettingsFilePath() {
    return JoinPath(kSettingsFolder, kSettingsFileName);
}

std::string ReadSetting(const std::string& key, const std::string& defaultValue) {
    std::string value = defaultValue;
    if (auto text = ReadWholeFile(SettingsFilePath())) {
        if (auto found = FindIniValue(*text, kSettingsSection, key)) {
            value = *found;
        }
    }
    if (value.size() > kSettingsReadLimit) {
        value.resize(kSettingsReadLimit);
    }
    return value;
}

bool WriteSetting(const std::string& key, const std::string& value) {
    const std::string path = SettingsFilePath();
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text && PathExists(path)) {
        return false;  // never replace a settings file that we could not read
    }
    // A key that already holds the value is left as it is: no file is written or renamed.
    if (text && FindIniValue(*text, kSettingsSection, key) == value) {
        return true;
    }
    if (!EnsureFolder(kSettingsFolder)) {
        return false;
    }
    return ReplaceFileContents(path, SetIniValue(text.value_or(""), kSettingsSection, key, value))
        .empty();
}
