// create_directory reports whether it made the folder, so a name someone else prepared (a
// link planted in a shared /tmp) is never used.
#include "host/check/scratch_folder.h"

#include <cstdio>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

ScratchFolder::~ScratchFolder() {
    if (!m_path.empty()) {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
}

bool ScratchFolder::Create(std::string* error) {
    std::error_code code;
    const fs::path base = fs::temp_directory_path(code);
    if (code) {
        *error = "no temporary folder: " + code.message();
        return false;
    }
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        char name[48];
        std::snprintf(name, sizeof name, "sarnet-check-%08x%08x", random(), random());
        const fs::path candidate = base / name;
        if (fs::create_directory(candidate, code)) {
            m_path = candidate;
            return true;
        }
    }
    *error =
        "cannot make a folder in " + base.string() + (code ? ": " + code.message() : std::string());
    return false;
}
