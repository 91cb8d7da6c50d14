// The launcher's system functions on freedesktop systems: the default application for text/html through GIO, the
// browser started with GLib's asynchronous spawn (a double fork: never waited for, never left as a zombie).
#ifndef _WIN32

#include "desktopfolders.h"
#include "weblauncher.h"

#include <gio/gio.h>

#include <filesystem>
#include <memory>
#include <vector>

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
        // The document is empty, so its content says nothing: its name makes it an HTML document.
        std::unique_ptr<GAppInfo, GFree<GAppInfo>> app(g_app_info_get_default_for_type("text/html", FALSE));
        const char* line = app ? g_app_info_get_commandline(app.get()) : nullptr;
        if (!line || !*line) {
            return kNoAssociation;
        }
        command = line;
        return kFound;
    }

    bool createProcess(const std::string& command, std::string_view address) override
    {
        gchar** parsed = nullptr;
        if (!g_shell_parse_argv(command.c_str(), nullptr, &parsed, nullptr)) {
            return false;
        }
        // The desktop entry's field codes take the address (%u, %U, %f, %F) or go away; with none, it goes last.
        std::vector<std::string> arguments;
        bool placed = false;
        for (gchar** word = parsed; *word; ++word) {
            const std::string_view text(*word);
            if (text == "%u" || text == "%U" || text == "%f" || text == "%F") {
                if (!placed) {
                    arguments.emplace_back(address);
                    placed = true;
                }
            } else if (!(text.size() == 2 && text[0] == '%')) {
                arguments.emplace_back(text);
            }
        }
        g_strfreev(parsed);
        if (!placed) {
            arguments.emplace_back(address);
        }
        std::vector<gchar*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        return g_spawn_async(nullptr, argv.data(), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr, nullptr, nullptr);
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
