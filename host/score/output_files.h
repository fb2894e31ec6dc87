// The files of a run: the work folder checked before the plug-in writes into it, the
// plug-in's own files checked after it, and the report page written whole or not at all.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "host/common/atomic_file.h"

// Why the plug-in cannot keep its files in the folder (missing, not a folder, not
// writable, or a "Plugins" entry that is not a folder); nullopt when it can.
std::optional<std::string> WorkFolderProblem(const std::filesystem::path& folder);

// Why a file the plug-in should have written is not there or cannot have been written
// (a folder of that name, no write permission); nullopt when it stands and is writable.
std::optional<std::string> UnwrittenReason(const std::filesystem::path& file);

// The name of the plug-in's Cabrillo log for an own call, named by the plug-in's rule.
std::string CabrilloFileName(const std::string& ownCall);
