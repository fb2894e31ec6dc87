// Writing a result file whole or not at all.
#pragma once

#include <filesystem>
#include <string>

// Written next to the target under a temporary name and renamed over it, so a reader never
// sees half a file and a failed write leaves the earlier file as it was. False with a
// one-line message in *error.
bool WriteFileReplacing(const std::filesystem::path& path, const std::string& content,
                        std::string* error);
