#include "desktop/runtimefolder.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace ornal {

namespace {

// True when folder is a real folder (not a link) of the user's; it is then closed to others if it was not.
bool OwnPrivateFolder(const std::filesystem::path& folder, bool closeIt)
{
    struct stat status { };
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != ::getuid()) {
        return false;
    }
    if ((status.st_mode & 077) == 0) {
        return true;
    }
    return closeIt && ::chmod(folder.c_str(), 0700) == 0;
}

std::filesystem::path TemporaryBase(const std::filesystem::path& temporary)
{
    if (!temporary.empty()) {
        return temporary;
    }
    std::error_code error;
    const char* variable = std::getenv("TMPDIR");
    if (variable && *variable && std::filesystem::is_directory(variable, error)) {
        return variable;
    }
    return "/tmp";
}

} // namespace

std::filesystem::path UserRuntimeFolder(const std::filesystem::path& systemRuns, const std::filesystem::path& temporary)
{
    const std::string uid = std::to_string(::getuid());
    // The session's folder is the system's to set up: it is used as it stands, never changed.
    if (const std::filesystem::path session = systemRuns / uid; OwnPrivateFolder(session, false)) {
        return session;
    }
    const std::filesystem::path own = TemporaryBase(temporary) / ("ornal-runtime-" + uid);
    if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return OwnPrivateFolder(own, true) ? own : std::filesystem::path();
}

} // namespace ornal
