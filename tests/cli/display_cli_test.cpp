// The window's start where the display is not what the environment says: one French sentence and status 1, never
// Qt's abort and its core file; and Qt's run-time folder is the user's own.
#include "programrun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace ornal::testing_support {
namespace {

struct DisplayCase {
    std::string name;
    std::string environment; // set for the run, after the display's variables are cleared
    std::string message;
};

class MissingDisplayTest : public testing::TestWithParam<DisplayCase> { };

TEST_P(MissingDisplayTest, EndsWithAFrenchSentenceAndStatusOne)
{
    const auto started = std::chrono::steady_clock::now();
    const ProgramRun run = RunOrnal({ "|8|3|1|2|3|4|5|6|7|8" },
        "ulimit -c 0; exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "
            + GetParam().environment + " ");
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(run.status, 1) << "-1: ended by a signal";
    EXPECT_EQ(run.err, GetParam().message + " ; pour un calcul sans fenêtre : ornal --print ...\n");
    EXPECT_EQ(run.out, "");
    EXPECT_LT(took, std::chrono::seconds(5));
}

INSTANTIATE_TEST_SUITE_P(Table, MissingDisplayTest,
    testing::Values(
        // A stale terminal, a lost forwarding.
        DisplayCase { "NoXServerThere", "DISPLAY=:613", "ornal : l'affichage « :613 » ne répond pas (DISPLAY)" },
        DisplayCase { "XNamedAsThePlatform", "DISPLAY=:613 QT_QPA_PLATFORM=xcb",
            "ornal : l'affichage « :613 » ne répond pas (DISPLAY)" },
        DisplayCase {
            "XPlatformWithoutDisplay", "QT_QPA_PLATFORM=xcb", "ornal : aucun affichage disponible (DISPLAY)" },
        // A platform Qt does not have: Qt itself gives up, in English, through an abort.
        DisplayCase { "UnknownPlatform", "QT_QPA_PLATFORM=nosuch",
            "ornal : l'affichage « nosuch » n'est pas disponible (QT_QPA_PLATFORM)" },
        DisplayCase { "UnknownPlatformBesideAnX", "DISPLAY=:613 QT_QPA_PLATFORM=nosuch",
            "ornal : l'affichage « nosuch » n'est pas disponible (QT_QPA_PLATFORM)" }),
    [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });

// Asking the display whether it answers must not leave it without clients: an X server with none resets itself, as
// Xvfb does when a script starts the window alone on it, and Qt then found no display about one start in three.
TEST(WindowStart, AnXServerWithoutOtherClientsStillOpensTheWindow)
{
    if (std::system("command -v xvfb-run >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "xvfb-run is missing (Debian package xvfb)";
    }
    for (int start = 0; start < 12; ++start) {
        const ProgramRun run = RunOrnal({ "|5|3|1|2|3|4|5" },
            "exec xvfb-run -a -s '-screen 0 1024x768x24' env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "
            "ORNAL_QUIT_WHEN_SHOWN=1 ");
        ASSERT_EQ(run.status, 0) << "start " << start << ": " << run.err;
    }
}

// Qt would make its folder under a missing temporary folder's name, that is at the root of the file system.
TEST(WindowStart, WithoutASessionFolderQtGetsOneOfTheUsers)
{
    const std::filesystem::path missing = std::filesystem::path(testing::TempDir()) / "ornal-dossier-disparu";
    std::filesystem::remove_all(missing);
    const ProgramRun run = RunOrnal({ "|5|3|1|2|3|4|5" },
        "exec env -u XDG_RUNTIME_DIR TMPDIR=" + Quote(missing.string())
            + " QT_QPA_PLATFORM=offscreen ORNAL_QUIT_WHEN_SHOWN=1 ");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err.find("XDG_RUNTIME_DIR"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(missing));
}

} // namespace
} // namespace ornal::testing_support
