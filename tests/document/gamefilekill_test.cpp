#include "document/gamefile.h"
#include "filetesting.h"
#include "gametesting.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace ornal {
namespace {

using Names = std::vector<std::string>;

TEST(GameFileKill, AKillDuringASaveLeavesThePreviousGameOrTheNewOne)
{
    // The new game is the largest list, so that a save lasts long enough for the kills to land inside it.
    SavedGame previous;
    previous.selection = SelectionOf(5, 2);
    previous.list = AllCombinations(5, 2);
    SavedGame next;
    next.selection = SelectionOf(20, 7);
    next.list = AllCombinations(20, 7);

    int previousSeen = 0;
    int nextSeen = 0;
    for (int delay = 0; delay <= 60; delay += 4) {
        ScratchFolder folder;
        const std::filesystem::path file = folder / "jeu.ornal";
        ASSERT_TRUE(SaveGame(file, previous).ok());
        const pid_t child = ::fork();
        if (child == 0) {
            ::_exit(SaveGame(file, next, ExistingFile::Replace).ok() ? 0 : 1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        ::kill(child, SIGTERM);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(
            (WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) || (WIFEXITED(status) && WEXITSTATUS(status) == 0))
            << "delay " << delay << " ms";

        EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" }) << "delay " << delay << " ms";
        const GameLoadOutcome loaded = LoadGame(file);
        ASSERT_TRUE(loaded.ok()) << "delay " << delay << " ms: " << loaded.refusalText();
        const bool isPrevious = *loaded == previous;
        const bool isNext = *loaded == next;
        EXPECT_TRUE(isPrevious || isNext) << "delay " << delay << " ms";
        previousSeen += isPrevious ? 1 : 0;
        nextSeen += isNext ? 1 : 0;
    }
    RecordProperty("previous", previousSeen);
    RecordProperty("next", nextSeen);
}

} // namespace
} // namespace ornal
