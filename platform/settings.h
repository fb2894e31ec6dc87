// The plug-in's settings file, "Plugins\Sarnet.ini" under the current directory, section
// "Settings". Every read gets its own buffer and comes back cut to 99 characters.
#pragma once

#include <string>
#include <vector>

constexpr const char* kSettingsFolder = "Plugins";
constexpr const char* kSettingsFileName = "Sarnet.ini";
constexpr const char* kSettingsSection = "Settings";
constexpr size_t kSettingsReadLimit = 99;

// Path of the settings file for the current directory (absolute on Windows, where the
// profile functions would take a relative one to the Windows folder).
std::string SettingsFilePath();

// The key's text, or the default when the file, section or key is missing.
std::string ReadSetting(const std::string& key, const std::string& defaultValue = "");
// The key read as a number: optional sign and leading digits, 0 otherwise.
int ReadSettingNumber(const std::string& key);
// Stores the text; creates the folder, file, section and key as needed. False on failure.
bool WriteSetting(const std::string& key, const std::string& value);
bool WriteSettingNumber(const std::string& key, int value);

// Several keys at once, as a whole: the file is read once and written once (natively).
struct SettingEntry {
    std::string key;
    std::string value;
};
// Each entry's value holds its default on the way in and the stored text on the way out.
void ReadSettings(std::vector<SettingEntry>& entries);
bool WriteSettings(const std::vector<SettingEntry>& entries);

// Optional blanks, optional sign, leading digits; anything else gives 0. Clamped to int.
int ParseLeadingInteger(const std::string& text);
