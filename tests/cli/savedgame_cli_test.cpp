// A saved game on the command line: read whatever its name, priced on its own bet, and worked on by the filters,
// the conditions and the reduction exactly as a computed list is.
#include "document/gamefile.h"
#include "filetesting.h"
#include "programrun.h"
#include "testdata.h"

#include <gtest/gtest.h>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

const std::string kFive = "|5|3|3|7|12|1|9";

// '_' stands for the no-break space that French amounts put before the euro sign.
std::string Amounts(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        out += c == '_' ? std::string("\xC2\xA0") : std::string(1, c);
    }
    return out;
}

// A saved game of kFive, written by the program itself, with the options given (a bet, a base...).
std::filesystem::path SavedGameOf(const ScratchFolder& folder, const std::string& name, Texts options = {})
{
    const std::filesystem::path file = folder / name;
    Texts arguments { "--enregistrer", file.string() };
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(kFive);
    const ProgramRun run = RunOrnal(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    return file;
}

class GameName : public testing::TestWithParam<const char*> { };

// "course2" once answered that it gave no horse count; ".ornal" was taken for a prediction.
TEST_P(GameName, IsReadAsTheGameItHolds)
{
    ScratchFolder folder;
    const std::filesystem::path file = SavedGameOf(folder, GetParam());
    const ProgramRun printed = RunOrnal({ "--print", file.string() }, "cd " + Quote(folder.path().string()) + " && ");
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, RunOrnal({ "--print", kFive }).out);
    EXPECT_EQ(printed.err, "Combinaisons : 10\n");
    // Named relative to the folder it is in, as a player types it.
    const ProgramRun here = RunOrnal({ "--print", GetParam() }, "cd " + Quote(folder.path().string()) + " && ");
    EXPECT_EQ(here.status, 0) << here.err;
    EXPECT_EQ(Lines(here.out).size(), 10u);
}

INSTANTIATE_TEST_SUITE_P(Names, GameName, testing::Values("course2", ".ornal", "jeu.txt", "jeu.ornal"),
    [](const auto& info) { return std::to_string(info.index); });

// A file written by the first version of the format is printed with its own list, base and count.
TEST(SavedGameCommandLine, AFileOfTheFirstVersionPrintsItsList)
{
    const ProgramRun run = RunOrnal({ "--print", Version1Game().string() });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), (Texts { "-4-9-", "-12-9-", "-1-9-", "-7-9-" }));
    EXPECT_EQ(run.err, "Combinaisons : 4\n");
}

// A file that is there but holds no game gets the reason, never the usage of a prediction.
TEST(SavedGameCommandLine, AFileThatIsNoGameIsRefusedForWhatItHolds)
{
    ScratchFolder folder;
    const std::filesystem::path csv = folder / "liste.csv";
    ASSERT_EQ(RunOrnal({ "--csv", csv.string(), kFive }).status, 0);
    const std::filesystem::path text = folder / "notes";
    PutContent(text, "Quinté du dimanche : 3, 7, 12\n");
    for (const std::filesystem::path& file : { csv, text }) {
        const ProgramRun run = RunOrnal({ "--print", file.string() });
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(
            run.err, "Impossible d'ouvrir « " + file.filename().string() + " » : ce fichier n'est pas un jeu Ornal.\n");
    }
}

struct BetCase {
    const char* name;
    Texts options;
    const char* costLine;
};

class SavedBetPricing : public testing::TestWithParam<BetCase> { };

// The game was saved as a Tiercé at 3,00 €: printed, it costs what the window shows, unless told otherwise.
TEST_P(SavedBetPricing, PricesTheListAsGivenOrAsSaved)
{
    ScratchFolder folder;
    const std::filesystem::path file
        = SavedGameOf(folder, "jeu.ornal", { "--print", "--jeu", "tierce", "--mise", "3" });
    Texts arguments { "--print" };
    arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
    arguments.push_back(file.string());
    const ProgramRun run = RunOrnal(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 10u);
    EXPECT_EQ(run.err, Amounts(std::string("Combinaisons : 10\n") + GetParam().costLine + "\n"));
}

INSTANTIATE_TEST_SUITE_P(Options, SavedBetPricing,
    testing::Values(BetCase { "AsSaved", {}, "Coût : 10 mises de 3,00_€ = 30,00_€" },
        BetCase { "AnotherStake", { "--mise", "2" }, "Coût : 10 mises de 2,00_€ = 20,00_€" },
        // Another type starts from its own stake; the saved one keeps the stake saved with it.
        BetCase { "AnotherType", { "--jeu", "trio" }, "Coût : 10 mises de 1,50_€ = 15,00_€" },
        BetCase { "TheSameType", { "--jeu", "tierce" }, "Coût : 10 mises de 3,00_€ = 30,00_€" },
        BetCase { "AnotherTypeAndStake", { "--jeu", "trio", "--mise", "4" }, "Coût : 10 mises de 4,00_€ = 40,00_€" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedGameCommandLine, TheSavedBetChecksAnArrivalAndIsSavedAgainWithItsNewStake)
{
    ScratchFolder folder;
    const std::filesystem::path file
        = SavedGameOf(folder, "jeu.ornal", { "--print", "--jeu", "tierce", "--mise", "3" });
    const std::filesystem::path again = folder / "encore.ornal";
    const ProgramRun run = RunOrnal(
        { "--print", "--arrivee", "7-3-12", "--mise", "2,50", "--enregistrer", again.string(), file.string() });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "-3-7-12-\tdésordre\n");
    EXPECT_EQ(run.err,
        Amounts("Combinaisons : 10\nCoût : 10 mises de 2,50_€ = 25,00_€\ndésordre : 1\nLignes gagnantes : 1\n"));
    const GameLoadOutcome loaded = LoadGame(again);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    EXPECT_EQ(loaded->bet, (SavedBet { "tierce", 250, 100 }));
}

TEST(SavedGameCommandLine, AStakeOrAnArrivalWithoutABetIsAMisuse)
{
    ScratchFolder folder;
    const std::filesystem::path bare = SavedGameOf(folder, "sans.ornal");
    const std::filesystem::path priced = SavedGameOf(folder, "avec.ornal", { "--print", "--jeu", "tierce" });
    const struct {
        Texts arguments;
        const char* err;
    } cases[] = {
        { { "--print", "--mise", "2", bare.string() },
            "ornal : --mise ne va qu'avec --jeu ou un jeu enregistré avec son pari." },
        { { "--print", "--arrivee", "3-7-12", bare.string() },
            "ornal : --arrivee ne va qu'avec --jeu ou un jeu enregistré avec son pari." },
        // The saved bet is priced where --jeu would be: with the lines or the workbook.
        { { "--csv", (folder / "x.csv").string(), "--mise", "2", priced.string() },
            "ornal : --mise ne va qu'avec --print ou --xlsx." },
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunOrnal(c.arguments);
        EXPECT_EQ(run.status, 2) << c.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string(c.err) + "\nPour l'aide : ornal --help\n");
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "x.csv"));
}

struct StepCase {
    const char* name;
    Texts steps;
};

class StepsOnASavedGame : public testing::TestWithParam<StepCase> { };

// Whatever the filters, conditions and reduction do to the computed list, they do to the same list saved: the same
// lines, the same summaries, the same refusals.
TEST_P(StepsOnASavedGame, WorkAsOnTheComputedList)
{
    ScratchFolder folder;
    const std::filesystem::path file = SavedGameOf(folder, "jeu.ornal");
    Texts computed { "--print" };
    computed.insert(computed.end(), GetParam().steps.begin(), GetParam().steps.end());
    Texts saved = computed;
    computed.push_back(kFive);
    saved.push_back(file.string());
    const ProgramRun expected = RunOrnal(computed);
    const ProgramRun run = RunOrnal(saved);
    EXPECT_EQ(run.status, expected.status) << run.err;
    EXPECT_EQ(run.out, expected.out);
    EXPECT_EQ(run.err, expected.err);
    // Every case here changes the list or refuses it: a saved game whose steps were skipped would print it whole.
    EXPECT_NE(run.out, RunOrnal({ "--print", file.string() }).out);
}

INSTANTIATE_TEST_SUITE_P(Steps, StepsOnASavedGame,
    testing::Values(StepCase { "Keep", { "--garde", "12" } }, StepCase { "Remove", { "--supp", "3" } },
        StepCase { "KeepThenRemoveTheSame", { "--garde", "3", "--supp", "3" } },
        StepCase { "Group", { "--groupe", "3,7:1-1" } }, StepCase { "Sum", { "--somme", "20-25" } },
        StepCase { "Even", { "--pairs", "1-1" } }, StepCase { "RunThenRemove", { "--suite", "1", "--supp", "1" } },
        StepCase { "Reduction", { "--reduire", "3,2", "--graine", "1" } },
        StepCase { "NotANumber", { "--garde", "x" } }, StepCase { "NotInThePrediction", { "--groupe", "14,3:1-1" } },
        StepCase { "EmptiedThenFiltered", { "--supp", "3", "--supp", "7", "--supp", "12", "--garde", "1" } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ornal::testing_support
