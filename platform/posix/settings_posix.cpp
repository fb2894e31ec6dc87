// Settings file access on POSIX systems through our own INI reader and writer.
#include "platform/files.h"
#include "platform/ini_text.h"
#include "platform/settings.h"

// Relative to the current directory: the system resolves it at any depth, where a whole
// path built from getcwd() would pass PATH_MAX in a deeply nested folder.
std::string SettingsFilePath() {
    return JoinPath(kSettingsFolder, kSettingsFileName);
}

void ReadSettings(std::vector<SettingEntry>& entries) {
    const std::optional<std::string> text = ReadWholeFile(SettingsFilePath());
    for (SettingEntry& entry : entries) {
        if (text) {
            if (auto found = FindIniValue(*text, kSettingsSection, entry.key)) {
                entry.value = *found;
            }
        }
        if (entry.value.size() > kSettingsReadLimit) {
            entry.value.resize(kSettingsReadLimit);
        }
    }
}

std::string ReadSetting(const std::string& key, const std::string& defaultValue) {
    std::vector<SettingEntry> entries{{key, defaultValue}};
    ReadSettings(entries);
    return entries.front().value;
}

bool WriteSettings(const std::vector<SettingEntry>& entries) {
    const std::string path = SettingsFilePath();
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text && PathExists(path)) {
        return false;  // never replace a settings file that we could not read
    }
    // Keys that already hold their values are left as they are: when all do, no file is
    // written or renamed.
    std::string updated = text.value_or("");
    bool changed = !text;
    for (const SettingEntry& entry : entries) {
        if (FindIniValue(updated, kSettingsSection, entry.key) != entry.value) {
            updated = SetIniValue(updated, kSettingsSection, entry.key, entry.value);
            changed = true;
        }
    }
    if (!changed) {
        return true;
    }
    if (!EnsureFolder(kSettingsFolder)) {
        return false;
    }
    return ReplaceFileContents(path, updated).empty();
}

bool WriteSetting(const std::string& key, const std::string& value) {
    return WriteSettings({{key, value}});
}
