#include "desktop/runtimefolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace ornal {
namespace {

namespace fs = std::filesystem;

unsigned Mode(const fs::path& folder)
{
    struct stat status { };
    EXPECT_EQ(::lstat(folder.c_str(), &status), 0) << folder;
    return status.st_mode & 0777;
}

struct RuntimeCase {
    std::string name;
    // Sets up the session folders (runs) and the temporary folder (temporary) before the question.
    std::function<void(const fs::path& runs, const fs::path& temporary)> arrange;
    std::string expected; // "runs", "temporary" or "" for none
};

class UserRuntimeFolderTest : public testing::TestWithParam<RuntimeCase> {
protected:
    void SetUp() override
    {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("ornal-runtime-test-") + std::to_string(::getpid()) + "-" + info->name();
        for (char& c : name) {
            c = c == '/' ? '-' : c;
        }
        m_root = fs::path(testing::TempDir()) / name;
        fs::remove_all(m_root);
        fs::create_directories(m_root / "run" / "user");
        fs::create_directories(m_root / "tmp");
    }
    void TearDown() override { fs::remove_all(m_root); }

    fs::path runs() const { return m_root / "run" / "user"; }
    fs::path temporary() const { return m_root / "tmp"; }
    static std::string uid() { return std::to_string(::getuid()); }

    fs::path m_root;
};

TEST_P(UserRuntimeFolderTest, FindsAFolderOnlyTheUserCanEnter)
{
    GetParam().arrange(runs(), temporary());
    const fs::path found = UserRuntimeFolder(runs(), temporary());
    if (GetParam().expected == "runs") {
        EXPECT_EQ(found, runs() / uid());
    } else if (GetParam().expected == "temporary") {
        EXPECT_EQ(found, temporary() / ("ornal-runtime-" + uid()));
    } else {
        EXPECT_EQ(found, fs::path());
    }
    if (!found.empty()) {
        EXPECT_TRUE(fs::is_directory(fs::symlink_status(found)));
        EXPECT_EQ(Mode(found), 0700u);
    }
}

void MakeFolder(const fs::path& folder, unsigned mode)
{
    fs::create_directories(folder);
    ::chmod(folder.c_str(), mode);
}

INSTANTIATE_TEST_SUITE_P(Table, UserRuntimeFolderTest,
    testing::Values(
        RuntimeCase { "TheSessionsFolder",
            [](const fs::path& runs, const fs::path&) { MakeFolder(runs / std::to_string(::getuid()), 0700); },
            "runs" },
        // A session folder open to others is the system's: not used, and not changed either.
        RuntimeCase { "ASessionFolderOpenToOthers",
            [](const fs::path& runs, const fs::path&) { MakeFolder(runs / std::to_string(::getuid()), 0755); },
            "temporary" },
        RuntimeCase { "NoSessionFolder", [](const fs::path&, const fs::path&) {}, "temporary" },
        // Left by an earlier start: used again, closed if it was opened meanwhile.
        RuntimeCase { "AnEarlierFolderOfItsOwn",
            [](const fs::path&, const fs::path& temporary) {
                MakeFolder(temporary / ("ornal-runtime-" + std::to_string(::getuid())), 0777);
            },
            "temporary" },
        // A name taken by something else is never followed.
        RuntimeCase { "ALinkInItsPlace",
            [](const fs::path&, const fs::path& temporary) {
                MakeFolder(temporary / "elsewhere", 0700);
                fs::create_directory_symlink(
                    temporary / "elsewhere", temporary / ("ornal-runtime-" + std::to_string(::getuid())));
            },
            "" },
        RuntimeCase { "AFileInItsPlace",
            [](const fs::path&, const fs::path& temporary) {
                std::ofstream(temporary / ("ornal-runtime-" + std::to_string(::getuid()))) << "x";
            },
            "" },
        RuntimeCase { "ALinkAsTheSessionFolder",
            [](const fs::path& runs, const fs::path& temporary) {
                MakeFolder(temporary / "elsewhere", 0700);
                fs::create_directory_symlink(temporary / "elsewhere", runs / std::to_string(::getuid()));
            },
            "temporary" }),
    [](const testing::TestParamInfo<RuntimeCase>& info) { return info.param.name; });

TEST_F(UserRuntimeFolderTest, ASessionFolderOpenToOthersIsLeftAsItIs)
{
    MakeFolder(runs() / uid(), 0755);
    UserRuntimeFolder(runs(), temporary());
    EXPECT_EQ(Mode(runs() / uid()), 0755u);
}

} // namespace
} // namespace ornal
