// Files the hosts write for their users, whole or not at all.
#pragma once

#include <filesystem>
#include <string>

// Written next to the target and renamed over it, so that a reader never sees half a file and
// a failed write leaves an earlier file as it was; false with the reason when it cannot be
// written.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& content,
                         std::string* reason);
