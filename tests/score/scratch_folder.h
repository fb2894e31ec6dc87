// A fresh temporary folder made the current one for the life of the object: the plug-in
// writes its files into the current folder.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

class ScratchFolder {
  public:
    ScratchFolder() : m_previous(std::filesystem::current_path()) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = std::filesystem::temp_directory_path() /
                 ("sarnet-score-" + std::string(test->test_suite_name()) + "-" + test->name());
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
        std::filesystem::current_path(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::current_path(m_previous, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

  private:
    std::filesystem::path m_previous;
    std::filesystem::path m_path;
};
