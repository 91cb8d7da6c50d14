#include "desktop/desktopfolders.h"

#include <glib.h>

#include <system_error>

namespace ornal {

namespace {

bool isFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

} // namespace

std::filesystem::path DocumentsFolder()
{
    const std::filesystem::path home = g_get_home_dir();
    // GLib reads the user-dirs file once per process; it gives nothing when the file names no documents folder.
    if (const gchar* documents = g_get_user_special_dir(G_USER_DIRECTORY_DOCUMENTS)) {
        const std::filesystem::path folder = documents;
        // A documents folder equal to the home folder means the player has none of its own.
        std::error_code error;
        if (isFolder(folder) && !std::filesystem::equivalent(folder, home, error)) {
            return folder;
        }
    }
    if (!home.empty() && isFolder(home / "Documents")) {
        return home / "Documents";
    }
    return TemporaryFolder();
}

std::filesystem::path TemporaryFolder()
{
    return g_get_tmp_dir();
}

} // namespace ornal
