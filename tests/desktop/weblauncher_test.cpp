#include "desktop/weblauncher.h"
#include "fakedesktop.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace ornal {
namespace {

namespace fs = std::filesystem;
using testing_support::TheFakeDesktop;

constexpr std::string_view kAddress = "https://www.galopia.fr";

TEST(TrimNull, CutsAtTheFirstNul)
{
    EXPECT_EQ(TrimNull(std::string("C:\\Temp\\\0    ", 13)), "C:\\Temp\\");
    EXPECT_EQ(TrimNull("no nul"), "no nul");
    EXPECT_EQ(TrimNull(std::string("\0abc", 4)), "");
    EXPECT_EQ(TrimNull(""), "");
}

// Stands in for the system and records what the launcher asked of it.
class RecordingPlatform : public BrowserPlatform {
public:
    std::string folder = TheFakeDesktop().tempFolder;
    std::int32_t code = 42;
    bool created = true;
    // What the document looked like when the lookup ran.
    bool documentExisted = false;
    std::uintmax_t documentSize = 1;
    std::vector<std::pair<std::string, std::string>> processes;

    std::string tempPath() override { return folder + std::string("\0\0  ", 4); }

    std::int32_t findExecutable(const std::string& file, const std::string& where, std::string& command) override
    {
        EXPECT_EQ(file, "dummy.html");
        EXPECT_EQ(where, folder);
        std::error_code error;
        documentExisted = fs::exists(where + file, error);
        documentSize = documentExisted ? fs::file_size(where + file, error) : 1;
        command = std::string("/opt/browser/run\0garbage", 24);
        return code;
    }

    bool createProcess(const std::string& command, std::string_view address) override
    {
        processes.emplace_back(command, std::string(address));
        return created;
    }
};

TEST(FindBrowser, LooksUpThroughAnEmptyDocumentThatIsDeletedAfterwards)
{
    RecordingPlatform platform;
    std::int32_t code = 0;
    EXPECT_EQ(FindBrowser(code, platform), "/opt/browser/run");
    EXPECT_EQ(code, 42);
    EXPECT_TRUE(platform.documentExisted);
    EXPECT_EQ(platform.documentSize, 0u);
    EXPECT_FALSE(fs::exists(platform.folder + "dummy.html"));
}

TEST(FindBrowser, EmptiesAndDeletesADocumentLeftThereBefore)
{
    RecordingPlatform platform;
    std::ofstream(platform.folder + "dummy.html") << "<html>somebody's page</html>";
    std::int32_t code = 0;
    FindBrowser(code, platform);
    EXPECT_EQ(platform.documentSize, 0u);
    EXPECT_FALSE(fs::exists(platform.folder + "dummy.html"));
}

TEST(FindBrowser, DeletesTheDocumentWhenTheLookupFails)
{
    RecordingPlatform platform;
    platform.code = 31;
    std::int32_t code = 0;
    FindBrowser(code, platform);
    EXPECT_EQ(code, 31);
    EXPECT_FALSE(fs::exists(platform.folder + "dummy.html"));
}

// The temporary folder is shared: what another user planted under the document's name is neither followed,
// emptied, waited on nor removed, and nothing is started.
TEST(FindBrowser, ALinkPlantedUnderTheDocumentsNameIsLeftAlone)
{
    RecordingPlatform platform;
    const std::string victim = TheFakeDesktop().root + "/victim.txt";
    std::ofstream(victim) << "précieux";
    const std::string document = platform.folder + "dummy.html";
    fs::remove(document);
    fs::create_symlink(victim, document);
    std::int32_t code = 0;
    EXPECT_EQ(FindBrowser(code, platform), "");
    EXPECT_LT(code, 32);
    EXPECT_FALSE(platform.documentExisted);
    EXPECT_EQ(fs::file_size(victim), std::string("précieux").size());
    EXPECT_TRUE(fs::is_symlink(document));
    EXPECT_FALSE(OpenUrl(kAddress, platform));
    EXPECT_TRUE(platform.processes.empty());
    fs::remove(document);
}

TEST(FindBrowser, APipePlantedUnderTheDocumentsNameNeitherBlocksNorIsUsed)
{
    RecordingPlatform platform;
    const std::string document = platform.folder + "dummy.html";
    fs::remove(document);
    ASSERT_EQ(mkfifo(document.c_str(), 0666), 0);
    std::int32_t code = 0;
    EXPECT_EQ(FindBrowser(code, platform), "");
    EXPECT_LT(code, 32);
    EXPECT_TRUE(fs::is_fifo(document));
    fs::remove(document);
}

TEST(FindBrowser, AnotherUsersFileUnderTheDocumentsNameIsNotEmptied)
{
    RecordingPlatform platform;
    const std::string document = platform.folder + "dummy.html";
    fs::remove(document);
    std::ofstream(document) << "<html>la page d'un autre</html>";
    if (geteuid() != 0) {
        fs::remove(document);
        GTEST_SKIP() << "only root can give the planted file to another user";
    }
    ASSERT_EQ(chown(document.c_str(), 65534, 65534), 0);
    std::int32_t code = 0;
    EXPECT_EQ(FindBrowser(code, platform), "");
    EXPECT_LT(code, 32);
    EXPECT_EQ(fs::file_size(document), std::string("<html>la page d'un autre</html>").size());
    fs::remove(document);
}

TEST(OpenUrl, StartsTheRegisteredProgramOnTheAddress)
{
    RecordingPlatform platform;
    EXPECT_TRUE(OpenUrl(kAddress, platform));
    ASSERT_EQ(platform.processes.size(), 1u);
    EXPECT_EQ(platform.processes[0].first, "/opt/browser/run");
    EXPECT_EQ(platform.processes[0].second, std::string(kAddress));
    EXPECT_TRUE(OpenUrl(kAddress, platform));
    EXPECT_EQ(platform.processes.size(), 2u);
}

TEST(OpenUrl, ResultCodesBelowThirtyTwoStartNothing)
{
    for (std::int32_t code : { 0, 2, 31 }) {
        RecordingPlatform platform;
        platform.code = code;
        EXPECT_FALSE(OpenUrl(kAddress, platform)) << code;
        EXPECT_TRUE(platform.processes.empty()) << code;
    }
    RecordingPlatform exactly;
    exactly.code = 32;
    EXPECT_TRUE(OpenUrl(kAddress, exactly));
}

TEST(OpenUrl, AFailedStartIsReported)
{
    RecordingPlatform platform;
    platform.created = false;
    EXPECT_FALSE(OpenUrl(kAddress, platform));
}

TEST(OpenUrl, AMissingTemporaryFolderOpensNothing)
{
    RecordingPlatform platform;
    platform.folder = TheFakeDesktop().root + "/no-such-folder/";
    EXPECT_FALSE(OpenUrl(kAddress, platform));
    EXPECT_TRUE(platform.processes.empty());
}

// The real lookup on the fake desktop: GIO names the registered entry, whose program receives the address.
TEST(SystemBrowserPlatform, StartsTheDesktopsBrowserWithTheAddress)
{
    const std::string record = TheFakeDesktop().recordFile;
    fs::remove(record);
    EXPECT_EQ(GetTempDir(), TheFakeDesktop().tempFolder);
    ASSERT_TRUE(OpenUrl(kAddress));
    EXPECT_FALSE(fs::exists(TheFakeDesktop().tempFolder + "dummy.html"));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(record) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream file(record);
    std::vector<std::string> arguments;
    for (std::string line; std::getline(file, line);) {
        arguments.push_back(line);
    }
    EXPECT_EQ(arguments, (std::vector<std::string> { "--new-window", std::string(kAddress) }));
}

} // namespace
} // namespace ornal
