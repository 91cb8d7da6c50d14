#include "fakedesktop.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace ornal::testing_support {

namespace {

FakeDesktop g_desktop;

void Write(const std::filesystem::path& path, const std::string& text)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

void MakeFakeDesktop()
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("ornal-launcher-" + std::to_string(getpid()));
    fs::remove_all(root);
    g_desktop.root = root.string();
    g_desktop.tempFolder = (root / "tmp").string() + "/";
    g_desktop.recordFile = (root / "browser-arguments.txt").string();
    fs::create_directories(root / "tmp");

    const fs::path browser = root / "bin" / "record-arguments";
    Write(browser,
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + g_desktop.recordFile + ".part'\nmv '"
            + g_desktop.recordFile + ".part' '" + g_desktop.recordFile + "'\n");
    fs::permissions(browser, fs::perms::owner_all);
    Write(root / "data" / "applications" / "fake-browser.desktop",
        "[Desktop Entry]\nType=Application\nName=Fake browser\nExec=" + browser.string()
            + " --new-window %u\nMimeType=text/html;\n");
    Write(root / "config" / "mimeapps.list", "[Default Applications]\ntext/html=fake-browser.desktop\n");
    fs::create_directories(root / "nothing");

    setenv("TMPDIR", g_desktop.tempFolder.c_str(), 1);
    setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    setenv("XDG_DATA_DIRS", (root / "nothing").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (root / "nothing").c_str(), 1);
}

} // namespace

const FakeDesktop& TheFakeDesktop()
{
    return g_desktop;
}

} // namespace ornal::testing_support

int main(int argc, char** argv)
{
    ornal::testing_support::MakeFakeDesktop();
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::filesystem::remove_all(ornal::testing_support::TheFakeDesktop().root);
    return status;
}
