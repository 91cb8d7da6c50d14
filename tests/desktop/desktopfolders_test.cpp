#include "desktop/desktopfolders.h"
#include "fakedesktop.h"

#include <glib.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ornal {
namespace {

namespace fs = std::filesystem;
using testing_support::TheFakeDesktop;

// Writes the desktop's user-dirs file (or removes it for an empty text) and has GLib read it again.
void SetUserDirs(const std::string& text)
{
    const fs::path file = fs::path(g_get_user_config_dir()) / "user-dirs.dirs";
    if (text.empty()) {
        fs::remove(file);
    } else {
        std::ofstream(file) << text;
    }
    g_reload_user_special_dirs_cache();
}

TEST(DocumentsFolder, PrefersTheDesktopsFolderThenDocumentsThenTheTemporaryFolder)
{
    const fs::path home = TheFakeDesktop().home;
    ASSERT_EQ(fs::path(g_get_home_dir()), home);
    EXPECT_TRUE(fs::equivalent(DocumentsFolder(), TheFakeDesktop().tempFolder));

    fs::create_directories(home / "Documents");
    EXPECT_EQ(DocumentsFolder(), home / "Documents");

    fs::create_directories(home / "Mes documents");
    SetUserDirs("XDG_DESKTOP_DIR=\"$HOME/Bureau\"\nXDG_DOCUMENTS_DIR=\"$HOME/Mes documents\"\n");
    EXPECT_EQ(DocumentsFolder(), home / "Mes documents");

    // A documents folder that is the home folder itself, or that is missing, is passed over.
    SetUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/\"\n");
    EXPECT_EQ(DocumentsFolder(), home / "Documents");
    SetUserDirs("XDG_DOCUMENTS_DIR=\"$HOME/Disparu\"\n");
    EXPECT_EQ(DocumentsFolder(), home / "Documents");

    SetUserDirs("");
    fs::remove_all(home / "Documents");
    fs::remove_all(home / "Mes documents");
}

TEST(TemporaryFolder, IsTheOneTheEnvironmentNames)
{
    EXPECT_TRUE(fs::equivalent(TemporaryFolder(), TheFakeDesktop().tempFolder));
}

} // namespace
} // namespace ornal
