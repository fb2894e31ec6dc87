// The plug-in reports no failure of its own files, so the host looks at them itself.
#include "host/score/output_files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "host/common/file_paths.h"
#include "platform/file_names.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kProbeName = ".sarnet-score-write-test";

// Opens for appending, which changes nothing in a file that stands; the reason when it fails.
std::optional<std::string> AppendProblem(const fs::path& file) {
    std::FILE* opened = OpenFile(file, "ab");
    if (opened == nullptr) {
        return std::string(std::strerror(errno));
    }
    std::fclose(opened);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> WorkFolderProblem(const fs::path& folder) {
    std::error_code error;
    if (!fs::exists(folder, error)) {
        return "the work folder " + folder.string() + " does not exist";
    }
    if (!fs::is_directory(folder, error)) {
        return "the work folder " + folder.string() + " is not a folder";
    }
    const fs::path probe = folder / kProbeName;
    if (const auto problem = AppendProblem(probe)) {
        return "the work folder " + folder.string() + " is not writable: " + *problem;
    }
    fs::remove(probe, error);
    const fs::path plugins = folder / "Plugins";
    if (fs::exists(plugins, error) && !fs::is_directory(plugins, error)) {
        return plugins.string() +
               " is not a folder: the plug-in keeps its settings in Plugins/Sarnet.ini";
    }
    return std::nullopt;
}

std::optional<std::string> UnwrittenReason(const fs::path& file) {
    std::error_code error;
    if (fs::is_directory(file, error)) {
        return "a folder stands at its name";
    }
    if (!fs::exists(file, error)) {
        if (const auto problem = AppendProblem(file)) {
            return "the plug-in could not create it: " + *problem;
        }
        fs::remove(file, error);
        return "the plug-in did not create it";
    }
    if (const auto problem = AppendProblem(file)) {
        return "it cannot be written: " + *problem;
    }
    return std::nullopt;
}

std::string CabrilloFileName(const std::string& ownCall) {
    return PlainFileName(ownCall) + ".cbr";
}
