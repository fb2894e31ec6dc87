// File operations built on the C library, the same on every platform.
#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

enum class WriteOutcome { kWritten, kNotOpened, kFailed };

// Writes the bytes to the open file and closes it; false when any step fails.
bool WriteAndClose(UniqueFile file, const std::string& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool flushed = std::fflush(file.get()) == 0;
    return written && flushed && std::fclose(file.release()) == 0;
}

WriteOutcome WriteAllBytes(const std::string& path, const std::string& bytes, const char* mode) {
    UniqueFile file(std::fopen(path.c_str(), mode));
    if (!file) {
        return WriteOutcome::kNotOpened;
    }
    return WriteAndClose(std::move(file), bytes) ? WriteOutcome::kWritten : WriteOutcome::kFailed;
}

bool WriteAll(const std::string& path, const std::string& bytes, const char* mode) {
    return WriteAllBytes(path, bytes, mode) == WriteOutcome::kWritten;
}

}  // namespace

std::optional<std::string> ReadFirstLineContaining(const std::string& path,
                                                   const std::string& needle) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string line;
    int c = 0;
    bool more = true;
    while (more) {
        c = std::fgetc(file.get());
        more = c != EOF;
        if (more && c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.find(needle) != std::string::npos) {
            return line;
        }
        line.clear();
    }
    return std::nullopt;
}

bool WriteNewFile(const std::string& path, const std::string& bytes) {
    return WriteAll(path, bytes, "wb");
}

bool AppendToFile(const std::string& path, const std::string& bytes, const std::string& header) {
    if (header.empty()) {
        return WriteAll(path, bytes, "ab");
    }
    UniqueFile file(std::fopen(path.c_str(), "ab"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) {
        return false;
    }
    const long size = std::ftell(file.get());
    if (size < 0) {
        return false;
    }
    return WriteAndClose(std::move(file), size == 0 ? header + bytes : bytes);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[4096];
    size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        bytes.append(chunk, got);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}

std::string ReplaceFileContents(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    errno = 0;
    const WriteOutcome outcome = WriteAllBytes(temporary, bytes, "wb");
    if (outcome != WriteOutcome::kWritten) {
        std::string reason = errno != 0 ? std::strerror(errno) : "cannot write the file";
        // Only a temporary file this call opened is removed: whatever else stands at that
        // name (a folder, say) is not ours to delete.
        if (outcome == WriteOutcome::kFailed) {
            std::remove(temporary.c_str());
        }
        return reason;
    }
    std::string reason = RenameReplacing(temporary, path);
    if (!reason.empty()) {
        std::remove(temporary.c_str());
    }
    return reason;
}
