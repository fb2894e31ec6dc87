// Text between the plug-in's 8-bit strings and the wide-character API: UTF-8 source literals
// (the Russian captions) and texts in the system's ANSI code page (the host's texts).
#pragma once

#include <string>

// UTF-8 or 8-bit text in the system's ANSI code page to UTF-16, and UTF-16 to either.
std::wstring Utf8ToWide(const std::string& utf8);
std::wstring AnsiToWide(const std::string& text);
std::string WideToAnsi(const std::wstring& wide);
std::string WideToUtf8(const std::wstring& wide);
