// The plug-in's settings file, "Plugins\Sarnet.ini" under the current directory, section
// "Settings". Every read gets its own buffer and comes back cut to 99 characters.
#pragma once

#include <string>

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

// Optional blanks, optional sign, leading digits; anything else gives 0. Clamped to int.
int ParseLeadingInteger(const std::string& text);
