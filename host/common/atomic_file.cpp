// The temporary file lies beside the target, so the rename stays on one file system; on
// Windows MoveFileEx replaces an existing file, which rename refuses to do.
#include "host/common/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

#include "host/common/file_paths.h"

namespace fs = std::filesystem;

bool WriteFileAtomically(const fs::path& path, const std::string& content, std::string* reason) {
    fs::path temporary = path;
    temporary += ".tmp";
    std::error_code error;
    if (fs::is_directory(path, error)) {
        *reason = "a folder stands at its name";
        return false;
    }
    std::FILE* file = OpenFile(temporary, "wb");
    if (file == nullptr) {
        *reason = std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        *reason = std::strerror(written ? errno : writeErrno);
        fs::remove(temporary, error);
        return false;
    }
#ifdef _WIN32
    const bool renamed = MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
    const std::string renameReason = "Windows error " + std::to_string(GetLastError());
#else
    const bool renamed = std::rename(temporary.c_str(), path.c_str()) == 0;
    const std::string renameReason = std::strerror(errno);
#endif
    if (!renamed) {
        *reason = renameReason;
        fs::remove(temporary, error);
        return false;
    }
    return true;
}
