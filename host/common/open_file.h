// Opening a file by its path on both platforms: on Windows through the path's wide name, the
// one the file system keeps, so that no name is lost to the narrow code page.
#pragma once

#include <cstdio>
#include <filesystem>

// std::fopen's modes ("rb", "wb", "ab"); nullptr with errno set when the file cannot be opened.
std::FILE* OpenFile(const std::filesystem::path& path, const char* mode);
