#include "desktop/workbookopener.h"

#include <gio/gio.h>

namespace ornal {

namespace {

constexpr const char* kWorkbookType = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";

} // namespace

std::optional<std::string> OpenWithRegisteredApplication(const std::filesystem::path& file)
{
    GAppInfo* application = g_app_info_get_default_for_type(kWorkbookType, FALSE);
    if (!application) {
        return std::string("aucune application n'est associée aux classeurs .xlsx sur ce poste");
    }
    GFile* document = g_file_new_for_path(file.c_str());
    GList documents { document, nullptr, nullptr };
    GError* error = nullptr;
    const gboolean started = g_app_info_launch(application, &documents, nullptr, &error);
    std::optional<std::string> why;
    if (!started) {
        why = std::string("l'application « ") + g_app_info_get_name(application) + " » n'a pas pu être lancée"
            + (error ? std::string(" (") + error->message + ")" : std::string());
    }
    if (error) {
        g_error_free(error);
    }
    g_object_unref(document);
    g_object_unref(application);
    return why;
}

} // namespace ornal
