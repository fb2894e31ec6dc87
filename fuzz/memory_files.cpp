// The file operations of platform/files.h held in memory, for the entry-point fuzzer: the
// plug-in's code runs unchanged on top of them, without a system call per settings read or
// report line. Every name the plug-in writes is checked on the way: it must be a plain file
// name in the working folder or the settings file, never a path made of logged text.
#include "fuzz/memory_files.h"

#include <fnmatch.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>

#include "platform/files.h"
#include "platform/settings.h"

namespace {

std::map<std::string, std::string> g_files;
std::set<std::string> g_folders;

std::string Normalized(std::string path) {
    while (path.compare(0, 2, "./") == 0) {
        path.erase(0, 2);
    }
    return path;
}

// Names Windows takes for devices, whatever follows a dot.
bool IsDevice(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    stem.erase(stem.find_last_not_of(' ') + 1);
    std::transform(stem.begin(), stem.end(), stem.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static const std::set<std::string> kDevices = {"CON",  "PRN",  "AUX",  "NUL",  "COM0", "COM1",
                                                   "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
                                                   "COM8", "COM9", "LPT0", "LPT1", "LPT2", "LPT3",
                                                   "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    return kDevices.count(stem) != 0;
}

// A plain name: no folder part, no parent or current folder, no drive, stream or device.
bool IsPlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos && !IsDevice(name);
}

// Aborts (a finding) when the plug-in writes anything but a plain name in the working folder
// or the settings file in its folder.
std::string WrittenName(const std::string& path) {
    const std::string name = Normalized(path);
    const std::string settings = JoinPath(kSettingsFolder, "");
    const bool inSettingsFolder = name.compare(0, settings.size(), settings) == 0 &&
                                  IsPlainName(name.substr(settings.size()));
    if (!IsPlainName(name) && !inSettingsFolder) {
        std::fprintf(stderr, "the plug-in wrote to \"%s\"\n", name.c_str());
        std::abort();
    }
    return name;
}

bool Write(const std::string& path, const std::string& bytes, bool append,
           const std::string& header) {
    const std::string name = WrittenName(path);
    if (g_folders.count(name) != 0) {
        return false;
    }
    const size_t slash = name.rfind('/');
    if (slash != std::string::npos && g_folders.count(name.substr(0, slash)) == 0) {
        return false;
    }
    std::string& file = g_files[name];
    if (!append) {
        file.clear();
    }
    if (file.empty()) {
        file = header;
    }
    file += bytes;
    return true;
}

}  // namespace

void ClearMemoryFiles() {
    g_files.clear();
    g_folders.clear();
}

std::optional<std::string> FindFileNameContaining(const std::string& pattern,
                                                  const std::string& needle) {
    const std::string normalized = Normalized(pattern);
    if (normalized.find('/') != std::string::npos) {
        return std::nullopt;  // only the working folder holds files
    }
    for (const auto& [name, bytes] : g_files) {
        if (name.find('/') == std::string::npos &&
            fnmatch(normalized.c_str(), name.c_str(), 0) == 0 &&
            name.find(needle) != std::string::npos) {
            return name;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ReadFirstLineContaining(const std::string& path,
                                                   const std::string& needle) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        return std::nullopt;
    }
    size_t start = 0;
    while (start <= bytes->size()) {
        size_t end = bytes->find('\n', start);
        if (end == std::string::npos) {
            end = bytes->size();
        }
        std::string line = bytes->substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find(needle) != std::string::npos) {
            return line;
        }
        start = end + 1;
    }
    return std::nullopt;
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
    return Write(path, bytes, false, std::string());
}

bool AppendToFile(const std::string& path, const std::string& bytes, const std::string& header) {
    return Write(path, bytes, true, header);
}

std::string ReplaceFileContents(const std::string& path, const std::string& bytes) {
    return Write(path, bytes, false, std::string()) ? std::string() : "cannot write the file";
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const auto file = g_files.find(Normalized(path));
    if (file == g_files.end()) {
        return std::nullopt;
    }
    return file->second;
}

bool PathExists(const std::string& path) {
    const std::string name = Normalized(path);
    return g_files.count(name) != 0 || g_folders.count(name) != 0;
}

bool EnsureFolder(const std::string& path) {
    const std::string name = WrittenName(path);
    if (g_files.count(name) != 0) {
        return false;
    }
    g_folders.insert(name);
    return true;
}

std::string CurrentDirectory() {
    return ".";
}

std::string JoinPath(const std::string& dir, const std::string& name) {
    if (dir.empty()) {
        return name;
    }
    return dir.back() == '/' ? dir + name : dir + "/" + name;
}

std::string RenameReplacing(const std::string& from, const std::string& to) {
    const auto file = g_files.find(Normalized(from));
    if (file == g_files.end()) {
        return "no such file";
    }
    std::string bytes = std::move(file->second);
    g_files.erase(file);
    return Write(to, bytes, false, std::string()) ? std::string() : "cannot write the file";
}
