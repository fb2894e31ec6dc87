// Files by their paths on both platforms: absolute paths for messages and for the plug-in,
// and opening a file through its wide name on Windows, the one the file system keeps, so
// that no name is lost to the narrow code page.
#pragma once

#include <cstdio>
#include <filesystem>

// The path made absolute and without "." and ".." parts; the path as given when the current
// folder cannot be known.
std::filesystem::path AbsolutePath(const std::filesystem::path& path);

// std::fopen's modes ("rb", "wb", "ab"); nullptr with errno set when the file cannot be opened.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);
