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

// A program that writes its arguments, one a line, into record once it has them all.
void WriteRecorder(const std::filesystem::path& program, const std::string& record)
{
    Write(program,
        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record + ".part'\nmv '" + record + ".part' '"
            + record + "'\n");
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

void MakeFakeDesktop()
{
    namespace fs = std::filesystem;
    const fs::path root = fs::temp_directory_path() / ("ornal-desktop-" + std::to_string(getpid()));
    fs::remove_all(root);
    g_desktop.root = root.string();
    g_desktop.home = (root / "home").string();
    g_desktop.tempFolder = (root / "tmp").string() + "/";
    g_desktop.recordFile = (root / "browser-arguments.txt").string();
    g_desktop.workbookRecordFile = (root / "spreadsheet-arguments.txt").string();
    fs::create_directories(root / "tmp");
    fs::create_directories(root / "home");

    const fs::path browser = root / "bin" / "record-arguments";
    WriteRecorder(browser, g_desktop.recordFile);
    Write(root / "data" / "applications" / "fake-browser.desktop",
        "[Desktop Entry]\nType=Application\nName=Fake browser\nExec=" + browser.string()
            + " --new-window %u\nMimeType=text/html;\n");
    const fs::path spreadsheet = root / "bin" / "record-workbook";
    WriteRecorder(spreadsheet, g_desktop.workbookRecordFile);
    Write(root / "data" / "applications" / "fake-spreadsheet.desktop",
        "[Desktop Entry]\nType=Application\nName=Fake spreadsheet\nExec=" + spreadsheet.string()
            + " %f\nMimeType=application/vnd.openxmlformats-officedocument.spreadsheetml.sheet;\n");
    Write(root / "config" / "mimeapps.list",
        "[Default Applications]\ntext/html=fake-browser.desktop\n"
        "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet=fake-spreadsheet.desktop\n");
    fs::create_directories(root / "nothing");

    setenv("HOME", g_desktop.home.c_str(), 1);
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
