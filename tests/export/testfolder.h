#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

namespace ornal {

// A fresh empty folder for one test, removed with everything in it at the end.
class TestFolder {
public:
    TestFolder()
    {
        m_path = std::filesystem::temp_directory_path() / "ornal-export-test";
        m_path += std::to_string(::getpid()) + "-" + std::to_string(s_next++);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    static inline int s_next = 0;
    std::filesystem::path m_path;
};

} // namespace ornal
