// The command line's games: a saved game in place of a prediction, and the files --enregistrer, --csv and --pdf write.
#include "badfileparity.h"
#include "document/gamefile.h"
#include "document/gamejson.h"
#include "filetesting.h"
#include "programrun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

Texts Lines(const std::string& text)
{
    Texts lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The README's example: base 7 in the second box, three numbers a line out of five.
const Texts kBaseSevenLines { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-12-7-1-", "-12-7-9-", "-1-7-9-" };

TEST(GameCommandLine, ASavedGameIsPrintedInPlaceOfAPreload)
{
    ScratchFolder folder;
    const std::string file = (folder / "jeu du 14 juillet.ornal").string();
    const ProgramRun saved = RunOrnal({ "--enregistrer", file, "--base", "7", "|5|3|3|7|12|1|9" });
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    EXPECT_EQ(saved.err, "Combinaisons : 6\n");

    const ProgramRun printed = RunOrnal({ "--print", file });
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(Lines(printed.out), kBaseSevenLines);
    EXPECT_EQ(printed.err, "Combinaisons : 6\n");
}

TEST(GameCommandLine, TheSavedGameHoldsTheSelectionAsTheWindowWould)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    ASSERT_EQ(RunOrnal({ "--enregistrer", file.string(), "--base", "7", "|5|3|3|7|12|1|9" }).status, 0);
    const GameLoadOutcome loaded = LoadGame(file);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    const SavedGame& game = *loaded;
    // The player's road: 5 horses, bet size 3, one base, the mark of box 2 (the 7) ticked.
    EXPECT_EQ(game.selection.horseCountText, "5");
    EXPECT_EQ(game.selection.betSizeText, "3");
    EXPECT_EQ(game.selection.baseText, "1");
    EXPECT_EQ(game.selection.baseCount, 1);
    EXPECT_EQ(game.selection.numbers[1], "7");
    EXPECT_EQ(game.selection.numbers[5], "");
    EXPECT_TRUE(game.selection.numbersShown[4]);
    EXPECT_FALSE(game.selection.numbersShown[5]);
    EXPECT_EQ(game.selection.marks, (std::array<bool, 20> { false, true }));
    EXPECT_EQ(game.selection.marksShown, (std::array<bool, 20> { true, true, true }));
    EXPECT_EQ(game.selection.resultsShown, (std::array { true, true, true, false, false }));
    EXPECT_EQ(game.selectionText, "-3-7-12-1-9");
    ASSERT_TRUE(game.view.has_value());
    // Bet size 3: the Tiercé and Trio pictures, 2 and 3.
    EXPECT_EQ(game.view->logos, (std::array { 2, 3 }));
    EXPECT_EQ(game.view->caption, SavedView::Caption::Count);
    EXPECT_EQ(game.list.size(), 6u);
}

// The bet priced on the command line is the game's: opened in the window or printed, it costs the same.
TEST(GameCommandLine, TheSavedGameKeepsTheBetTypeAndStakeGiven)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    const ProgramRun run = RunOrnal(
        { "--print", "--enregistrer", file.string(), "--jeu", "tierce", "--mise", "3,50", "|5|3|3|7|12|1|9" });
    ASSERT_EQ(run.status, 0) << run.err;
    const GameLoadOutcome loaded = LoadGame(file);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    // The rapports are for the type's usual stake, which the file now says.
    EXPECT_EQ(loaded->bet, (SavedBet { "tierce", 350, 100 }));

    ASSERT_EQ(RunOrnal({ "--enregistrer", (folder / "sans.ornal").string(), "|5|3|3|7|12|1|9" }).status, 0);
    EXPECT_FALSE(LoadGame(folder / "sans.ornal")->bet.has_value()) << "no --jeu, no bet";
}

TEST(GameCommandLine, TheCsvHasAHeaderAndEveryLineWithItsNumbers)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "liste.csv";
    const ProgramRun run = RunOrnal({ "--csv", file.string(), "|4|2|1|2|3|4" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    // C(4, 2) in the order of the boxes, each line's text then its two numbers.
    EXPECT_EQ(ContentOf(file),
        "\xEF\xBB\xBF"
        "Combinaison;Cheval 1;Cheval "
        "2\r\n-1-2-;1;2\r\n-1-3-;1;3\r\n-1-4-;1;4\r\n-2-3-;2;3\r\n-2-4-;2;4\r\n-3-4-;3;4\r\n");
}

TEST(GameCommandLine, EveryOutputAtOnceInItsOrder)
{
    ScratchFolder folder;
    const ProgramRun run = RunOrnal({ "--print", "--enregistrer", (folder / "a.ornal").string(), "--csv",
        (folder / "a.csv").string(), "--pdf", (folder / "a.pdf").string(), "--base", "7", "|5|3|3|7|12|1|9" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), kBaseSevenLines);
    // The window's program, asked for the PDF, says nothing on a run that goes well.
    EXPECT_EQ(run.err, "Combinaisons : 6\n");
    EXPECT_EQ(ContentOf(folder / "a.pdf").substr(0, 5), "%PDF-");
    EXPECT_EQ(EntriesOf(folder.path()), (Texts { "a.csv", "a.ornal", "a.pdf" }));
}

struct OutputCase {
    const char* option;
    const char* file;
};

class ExistingOutput : public testing::TestWithParam<OutputCase> { };

TEST_P(ExistingOutput, IsNeverReplaced)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / GetParam().file;
    PutContent(file, "à garder");
    const ProgramRun run = RunOrnal({ GetParam().option, file.string(), "|4|2|1|2|3|4" });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
        std::string("ornal : Impossible d'enregistrer « ") + GetParam().file + " » : le fichier existe déjà.\n");
    EXPECT_EQ(ContentOf(file), "à garder");
    EXPECT_EQ(EntriesOf(folder.path()), Texts { GetParam().file });
}

INSTANTIATE_TEST_SUITE_P(Options, ExistingOutput,
    testing::Values(OutputCase { "--enregistrer", "jeu.ornal" }, OutputCase { "--csv", "liste.csv" },
        OutputCase { "--pdf", "pages.pdf" }),
    [](const auto& info) { return std::string(info.param.option).substr(2); });

struct MisuseCase {
    Texts arguments;
    const char* errStart;
};

class GameMisuse : public testing::TestWithParam<MisuseCase> { };

TEST_P(GameMisuse, IsReportedInOneLineWithWhereTheHelpIs)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.substr(0, std::string(GetParam().errStart).size()), GetParam().errStart) << run.err;
    EXPECT_EQ(Lines(run.err).size(), 2u) << run.err;
    EXPECT_TRUE(run.err.ends_with("\nPour l'aide : ornal --help\n")) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Lines, GameMisuse,
    testing::Values(MisuseCase { { "|4|2|1|2|3|4", "--csv" }, "ornal : --csv attend un nom de fichier." },
        MisuseCase { { "--enregistrer" }, "ornal : --enregistrer attend un nom de fichier." },
        MisuseCase { { "--pdf", "x.pdf" }, "ornal : --pdf attend un PRONOSTIC ou un JEU." },
        MisuseCase { { "--base", "1", "/tmp/jeu.ornal" }, "ornal : --base ne va qu'avec" },
        MisuseCase {
            { "--print", "--base", "7", "/tmp/jeu.ornal" }, "ornal : --base ne va pas avec un jeu enregistré" }));

TEST(GameCommandLine, AGameThePlayerMayNotReadIsRefused)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "secret.ornal";
    PutContent(file, GameOfLines(1));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    // Root reads any file: the program then runs as user 65534, who is not the file's owner.
    const std::string asAnother = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    if (::geteuid() != 0) {
        std::filesystem::permissions(file, std::filesystem::perms::none);
    }
    const ProgramRun run = RunOrnal({ "--print", file.string() }, asAnother);
    if (run.status == 127 || run.err.find("setpriv") != std::string::npos) {
        GTEST_SKIP() << "cannot run the program as another user: " << run.err;
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Impossible d'ouvrir « secret.ornal » : accès refusé.\n");
}

TEST(GameCommandLine, AKillDuringASaveLeavesNoGameOrAWholeOne)
{
    const std::string largest = "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20";
    for (int attempt = 0; attempt < 12; ++attempt) {
        ScratchFolder folder;
        const std::filesystem::path file = folder / "jeu.ornal";
        const pid_t child = ::fork();
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
            ::execl(ORNAL_BINARY, ORNAL_BINARY, "--enregistrer", file.c_str(), largest.c_str(), nullptr);
            ::_exit(127);
        }
        ASSERT_GT(child, 0);
        // From straight away to well past the end of the save, a few milliseconds apart.
        std::this_thread::sleep_for(std::chrono::milliseconds(attempt * attempt * 2));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (std::filesystem::exists(file)) {
            const GameLoadOutcome loaded = LoadGame(file);
            ASSERT_TRUE(loaded.ok()) << attempt << ": " << loaded.refusalText();
            EXPECT_EQ(loaded->list.size(), 77520u) << attempt;
        }
    }
}

TEST(GameCommandLine, AGameWithAccentsAndSpacesInItsNameOpens)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "Prix d'Été – réunion 1.ornal";
    ASSERT_EQ(RunOrnal({ "--enregistrer", file.string(), "|4|2|1|2|3|4" }).status, 0);
    const ProgramRun run = RunOrnal({ "--print", file.string() });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 6u);
    EXPECT_EQ(run.err, "Combinaisons : 6\n");
}

} // namespace
} // namespace ornal::testing_support

namespace ornal::testing_support {
namespace {

TEST(GameCommandLine, TheLargestGameUnderAMemoryLimitOpensOrEndsInTheMessage)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#endif
#endif
    ScratchFolder folder;
    const std::string game = (folder / "grand.ornal").string();
    ASSERT_EQ(
        RunOrnal({ "--enregistrer", game, "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" }).status, 0);
    int refused = 0;
    int printed = 0;
    for (int kilobytes = 16000; kilobytes <= 64000; kilobytes += 4000) {
        const ProgramRun run = RunOrnal({ "--print", game }, "ulimit -v " + std::to_string(kilobytes) + "; exec ");
        ASSERT_TRUE(run.status == 0 || run.status == 1) << kilobytes << " kB: status " << run.status << " " << run.err;
        if (run.status == 1) {
            EXPECT_NE(run.err.find("mémoire insuffisante"), std::string::npos) << kilobytes << " kB: " << run.err;
            ++refused;
        } else {
            EXPECT_EQ(run.err, "Combinaisons : 77520\n") << kilobytes << " kB";
            ++printed;
        }
    }
    // The limits must reach both ends, or the loop tested nothing.
    EXPECT_GT(refused, 0);
    EXPECT_GT(printed, 0);
}

} // namespace
} // namespace ornal::testing_support
