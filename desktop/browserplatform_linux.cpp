// The launcher's system functions on freedesktop systems: the default application for text/html, its desktop entry
// launched as the desktop would.
#ifndef _WIN32

#include "desktop/desktopapplications.h"
#include "desktop/desktopfolders.h"
#include "desktop/weblauncher.h"

#include <filesystem>

namespace ornal {

namespace {

constexpr std::int32_t kFound = 42;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

class FreedesktopPlatform final : public BrowserPlatform {
public:
    std::string tempPath() override
    {
        std::string path = TemporaryFolder().string();
        if (path.empty() || path.back() != '/') {
            path += '/';
        }
        return path;
    }

    std::int32_t findExecutable(const std::string& file, const std::string& folder, std::string& command) override
    {
        std::error_code error;
        if (!std::filesystem::exists(folder + file, error)) {
            return kFileNotFound;
        }
        // The document is empty, so its content says nothing: its name makes it an HTML document. The answer is
        // the desktop entry itself, which knows its field codes and whether it needs a terminal.
        const std::string id = DefaultHtmlApplication();
        if (id.empty()) {
            return kNoAssociation;
        }
        command = id;
        return kFound;
    }

    bool createProcess(const std::string& command, std::string_view address) override
    {
        return LaunchDesktopEntry(command, address);
    }
};

} // namespace

BrowserPlatform& SystemBrowserPlatform()
{
    static FreedesktopPlatform platform;
    return platform;
}

} // namespace ornal

#endif
