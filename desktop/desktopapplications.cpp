// The desktop's applications through GIO, the one user of GIO and of the libraries behind it.
#include "desktop/desktopapplications.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace ornal {
namespace {

template <typename T> struct GFree {
    void operator()(T* p) const { g_object_unref(p); }
};

} // namespace

std::string DefaultHtmlApplication()
{
    std::unique_ptr<GAppInfo, GFree<GAppInfo>> app(g_app_info_get_default_for_type("text/html", FALSE));
    const char* id = app ? g_app_info_get_id(app.get()) : nullptr;
    return id ? std::string(id) : std::string();
}

bool LaunchDesktopEntry(const std::string& id, std::string_view address)
{
    std::unique_ptr<GDesktopAppInfo, GFree<GDesktopAppInfo>> app(g_desktop_app_info_new(id.c_str()));
    if (!app) {
        return false;
    }
    const std::string uri(address);
    GList uris { const_cast<char*>(uri.c_str()), nullptr, nullptr };
    return g_app_info_launch_uris(G_APP_INFO(app.get()), &uris, nullptr, nullptr);
}

} // namespace ornal
