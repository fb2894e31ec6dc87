// Directory search, folders and renames on Windows.
#include <windows.h>

#include <vector>

#include "platform/files.h"
#include "platform/win32/unique_handle.h"

std::optional<std::string> FindFileNameContaining(const std::string& pattern,
                                                  const std::string& needle) {
    WIN32_FIND_DATAA found{};
    UniqueFindHandle search(FindFirstFileA(pattern.c_str(), &found));
    if (!search) {
        return std::nullopt;
    }
    do {
        const std::string name = found.cFileName;
        if (name.find(needle) != std::string::npos) {
            return name;
        }
    } while (FindNextFileA(search.get(), &found));
    return std::nullopt;
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool EnsureFolder(const std::string& path) {
    if (CreateDirectoryA(path.c_str(), nullptr)) {
        return true;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string CurrentDirectory() {
    const DWORD needed = GetCurrentDirectoryA(0, nullptr);
    if (needed == 0) {
        return "";
    }
    std::vector<char> buffer(needed + 1);
    const DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length == 0 || length >= buffer.size()) {
        return "";
    }
    std::string dir(buffer.data(), length);
    if (dir.size() > 3 && (dir.back() == '\\' || dir.back() == '/')) {
        dir.pop_back();
    }
    return dir;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) {
        return name;
    }
    return (dir.back() == '\\' || dir.back() == '/') ? dir + name : dir + "\\" + name;
}

std::string RenameReplacing(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return "";
    }
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason =
        length > 0 && text != nullptr ? std::string(text, length) : "error " + std::to_string(code);
    LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' ')) {
        reason.pop_back();
    }
    return reason;
}
