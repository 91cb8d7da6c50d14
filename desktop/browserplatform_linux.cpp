// The launcher's system functions on freedesktop systems: the default application for text/html through GIO, its
// desktop entry launched by GIO.
#ifndef _WIN32

#include "desktopfolders.h"
#include "weblauncher.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <filesystem>
#include <memory>

namespace ornal {

namespace {

constexpr std::int32_t kFound = 42;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

template <typename T> struct GFree {
    void operator()(T* p) const { g_object_unref(p); }
};

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
        std::unique_ptr<GAppInfo, GFree<GAppInfo>> app(g_app_info_get_default_for_type("text/html", FALSE));
        const char* id = app ? g_app_info_get_id(app.get()) : nullptr;
        if (!id || !*id) {
            return kNoAssociation;
        }
        command = id;
        return kFound;
    }

    bool createProcess(const std::string& command, std::string_view address) override
    {
        // GIO starts the entry as the desktop would: field codes filled, a terminal around it when it asks for
        // one, and without waiting for it.
        std::unique_ptr<GDesktopAppInfo, GFree<GDesktopAppInfo>> app(g_desktop_app_info_new(command.c_str()));
        if (!app) {
            return false;
        }
        const std::string uri(address);
        GList uris { const_cast<char*>(uri.c_str()), nullptr, nullptr };
        return g_app_info_launch_uris(G_APP_INFO(app.get()), &uris, nullptr, nullptr);
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
