#include "desktop/weblauncher.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ornal {

namespace {

constexpr std::string_view kDummyDocument = "dummy.html";
constexpr std::int32_t kFileNotFound = 2;

} // namespace

std::string TrimNull(std::string_view text)
{
    return std::string(text.substr(0, text.find('\0')));
}

std::string GetTempDir(BrowserPlatform& platform)
{
    return TrimNull(platform.tempPath());
}

std::string FindBrowser(std::int32_t& code, BrowserPlatform& platform)
{
    const std::string folder = GetTempDir(platform);
    const std::string document = folder + std::string(kDummyDocument);
    // The temporary folder is shared: a link or a pipe planted under that name by another user must not be
    // followed (emptying whatever it points to) nor waited on; only a regular file of ours is used and emptied.
    const int descriptor
        = ::open(document.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (descriptor < 0) {
        code = kFileNotFound;
        return {};
    }
    struct stat status { };
    const bool ours = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid();
    const bool emptied = ours && ::ftruncate(descriptor, 0) == 0;
    ::close(descriptor);
    if (!emptied) {
        code = kFileNotFound;
        return {};
    }
    std::string command;
    code = platform.findExecutable(std::string(kDummyDocument), folder, command);
    ::unlink(document.c_str());
    return TrimNull(command);
}

bool OpenUrl(std::string_view address, BrowserPlatform& platform)
{
    std::int32_t code = 0;
    const std::string browser = FindBrowser(code, platform);
    if (code < 32) {
        return false;
    }
    return platform.createProcess(browser, address);
}

} // namespace ornal
