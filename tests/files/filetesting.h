#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ornal {

// A fresh empty folder for one test, removed with everything in it at the end.
class ScratchFolder {
public:
    ScratchFolder()
    {
        m_path = std::filesystem::temp_directory_path() / "ornal-files-test";
        m_path += std::to_string(::getpid()) + "-" + std::to_string(s_next++);
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    static inline int s_next = 0;
    std::filesystem::path m_path;
};

// The names in folder, sorted, hidden ones included: a leftover temporary shows here.
inline std::vector<std::string> EntriesOf(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The bytes of file, read with the standard library rather than the code under test.
inline std::string ContentOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void PutContent(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

// Exit code of a child that could not become another user.
inline constexpr int kCannotDropPrivileges = 77;
inline constexpr uid_t kNobody = 65534;

// Runs body in a child process as user and group 65534 when this process is root (root ignores permissions), as
// the current user otherwise; body's result is the child's exit code. nullopt when the child could not change
// user or did not exit normally.
inline std::optional<int> RunAsUnprivilegedChild(const std::function<int()>& body)
{
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 || ::geteuid() == 0)) {
            ::_exit(kCannotDropPrivileges);
        }
        ::_exit(body());
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) == kCannotDropPrivileges) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

} // namespace ornal
