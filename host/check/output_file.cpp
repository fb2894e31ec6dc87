// The rename replaces an existing file on both platforms (MoveFileEx on Windows, where
// rename refuses to).
#include "host/check/output_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

bool WriteFileReplacing(const std::filesystem::path& path, const std::string& content,
                        std::string* error) {
    const std::string target = path.string();
    const std::string temporary = target + ".part";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        *error = "cannot write " + target + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    const bool closed = std::fclose(file) == 0;
#ifdef _WIN32
    const bool renamed = written && closed &&
                         MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
#else
    const bool renamed = written && closed && std::rename(temporary.c_str(), target.c_str()) == 0;
#endif
    if (!renamed) {
        *error = "cannot write " + target;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
