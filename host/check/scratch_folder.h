// A folder of the program's own under the system's temporary folder (TMPDIR, TEMP), for the
// plug-in's work files; removed with everything in it when the object goes.
#pragma once

#include <filesystem>
#include <string>

class ScratchFolder {
  public:
    ScratchFolder() = default;
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Makes a new folder with an unguessable name; never takes one that already stands.
    // False with the reason when none can be made.
    bool Create(std::string* error);

    const std::filesystem::path& Path() const { return m_path; }

  private:
    std::filesystem::path m_path;
};
