// What a run used goes into the game it saves, and comes back when that game is opened: printed again, the game says
// what the run said, and the game object opening the file holds each part.
#include "document/gamefile.h"
#include "filetesting.h"
#include "game/game.h"
#include "game/savedconditions.h"
#include "programrun.h"

#include <gtest/gtest.h>

#include <functional>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

struct WholeCase {
    const char* name;
    Texts options; // besides --print, --enregistrer and the prediction
    const char* prediction;
    std::function<void(const SavedGame&)> check; // what the file holds
    const char* broughtBack; // the line printed again after the caption that the run did not print; empty for none
    const char* printedErr = nullptr; // when the printed game's summary is not the run's with broughtBack

    friend void PrintTo(const WholeCase& c, std::ostream* os) { *os << c.name; }
};

// The lines of err with extra put after its first (the count caption) when it is not empty.
std::string WithLineAfterCaption(const std::string& err, const std::string& extra)
{
    if (extra.empty()) {
        return err;
    }
    const std::size_t end = err.find('\n') + 1;
    return err.substr(0, end) + extra + "\n" + err.substr(end);
}

class SavedWhole : public testing::TestWithParam<WholeCase> { };

TEST_P(SavedWhole, ComesBackPrintedAndOpened)
{
    const WholeCase& c = GetParam();
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    Texts arguments { "--print", "--enregistrer", file.string() };
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    arguments.push_back(c.prediction);
    const ProgramRun run = RunOrnal(arguments);
    ASSERT_EQ(run.status, 0) << run.err;

    const GameLoadOutcome loaded = LoadGame(file);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    c.check(*loaded);

    const ProgramRun printed = RunOrnal({ "--print", file.string() });
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(printed.out, run.out);
    EXPECT_EQ(printed.err, c.printedErr ? std::string(c.printedErr) : WithLineAfterCaption(run.err, c.broughtBack));

    Game game;
    ASSERT_TRUE(game.open(*loaded).ok());
    EXPECT_EQ(game.guarantee(), loaded->guarantee);
    EXPECT_EQ(game.arrival(), loaded->arrival);
    SavedGame conditions;
    SaveConditions(game.conditions(), conditions);
    EXPECT_EQ(conditions.conditions, loaded->conditions);
    EXPECT_EQ(conditions.lineConditions, loaded->lineConditions);
    // Saved again unchanged, the game is the same file.
    EXPECT_EQ(game.saved(), *loaded);
}

const char* const kFive = "|5|3|3|7|12|1|9";

INSTANTIATE_TEST_SUITE_P(Runs, SavedWhole,
    testing::Values(WholeCase { "Conditions", { "--groupe", "3,7:1-1", "--somme", "15-25", "--suite", "2" }, kFive,
                        [](const SavedGame& game) {
                            EXPECT_EQ(game.conditions,
                                (std::vector<SavedConditionGroup> { { "Favoris", { "3", "7" }, 1, 1, {}, {}, {} } }));
                            ASSERT_TRUE(game.lineConditions.has_value());
                            EXPECT_EQ(game.lineConditions->sum, (SavedLineBound { true, 15, 25 }));
                            EXPECT_FALSE(game.lineConditions->even.on);
                            EXPECT_EQ(game.lineConditions->run, (SavedLineBound { true, 1, 2 }));
                            EXPECT_FALSE(game.guarantee.has_value());
                            EXPECT_FALSE(game.bet.has_value()) << "no --jeu, no bet";
                        },
                        "Conditions : Favoris : 1 parmi 3-7 ; somme 15 à 25 ; suite de 2 au plus" },
        // Only the last pass is the game's conditions; the lines the first one dropped stay dropped.
        WholeCase { "TwoPasses", { "--somme", "10-30", "--somme", "15-25" }, kFive,
            [](const SavedGame& game) {
                EXPECT_TRUE(game.conditions.empty());
                ASSERT_TRUE(game.lineConditions.has_value());
                EXPECT_EQ(game.lineConditions->sum, (SavedLineBound { true, 15, 25 }));
            },
            "Conditions : somme 15 à 25" },
        WholeCase { "FullGuarantee", { "--reduire", "3,2", "--graine", "1" }, kFive,
            [](const SavedGame& game) {
                EXPECT_EQ(game.guarantee, (SavedGuarantee { 3, 2, SavedGuarantee::Extent::Full, {}, {}, 5 }));
            },
            "" },
        WholeCase { "Lines", { "--reduire", "3,3", "--lignes", "2", "--secondes", "2", "--graine", "1" }, kFive,
            [](const SavedGame& game) {
                EXPECT_EQ(game.guarantee, (SavedGuarantee { 3, 3, SavedGuarantee::Extent::Lines, 2, {}, 2 }));
            },
            "" },
        WholeCase { "Budget", { "--jeu", "2sur4", "--reduire", "4,2", "--budget", "9", "--graine", "1" },
            "|7|2|1|2|3|4|5|6|7",
            [](const SavedGame& game) {
                EXPECT_EQ(game.guarantee, (SavedGuarantee { 4, 2, SavedGuarantee::Extent::Budget, {}, 900, 5 }));
                ASSERT_TRUE(game.bet.has_value());
                EXPECT_EQ(game.bet->typeId, "2sur4");
            },
            "" },
        WholeCase { "ArrivalAndRapports",
            { "--jeu", "tierce", "--mise", "2", "--arrivee", "3-1-12", "--rapport", "désordre=20", "--rapport",
                "ordre=90" },
            kFive,
            [](const SavedGame& game) {
                ASSERT_TRUE(game.arrival.has_value());
                EXPECT_EQ(game.arrival->numbers, (std::array<std::string, 5> { "3", "1", "12", "", "" }));
                EXPECT_EQ(
                    game.arrival->payouts, (std::vector<SavedPayout> { { "désordre", 2000 }, { "ordre", 9000 } }));
                EXPECT_EQ(game.bet, (SavedBet { "tierce", 200, 100 }));
                EXPECT_EQ(game.stakes, (std::vector<SavedStake> { { "tierce", 200, 100 } }));
            },
            "" },
        WholeCase { "Stake", { "--jeu", "trio", "--mise", "4" }, kFive,
            [](const SavedGame& game) {
                EXPECT_EQ(game.stakes, (std::vector<SavedStake> { { "trio", 400, 150 } }));
                EXPECT_FALSE(game.arrival.has_value());
            },
            "" },
        // Counted again on the list saved, the guarantee is held against every arrival of the horses: the one the
        // group had left out of the list before the reduction counts as not held.
        WholeCase { "Everything",
            { "--groupe", "1,2,3:1-2", "--jeu", "2sur4", "--reduire", "4,2", "--secondes", "1", "--graine", "1",
                "--arrivee", "1-4-5-6", "--rapport", "2sur4=5,40" },
            "|7|2|1|2|3|4|5|6|7",
            [](const SavedGame& game) {
                EXPECT_EQ(game.conditions.size(), 1u);
                EXPECT_EQ(game.guarantee, (SavedGuarantee { 4, 2, SavedGuarantee::Extent::Full, {}, {}, 1 }));
                ASSERT_TRUE(game.arrival.has_value());
                EXPECT_EQ(game.arrival->payouts, (std::vector<SavedPayout> { { "2sur4", 540 } }));
            },
            "",
            "Combinaisons : 6\nConditions : Favoris : 1 à 2 parmi 1-2-3\n"
            "Garantie : 4 premiers, 2 dans une ligne : 34 arrivées tenues sur 35\n"
            "Coût : 6 mises de 3,00\xC2\xA0€ = 18,00\xC2\xA0€\n2sur4 : 2\nLignes gagnantes : 2\n"
            "Gains : 10,80\xC2\xA0€\nNet : -7,20\xC2\xA0€\n" }),
    [](const auto& info) { return std::string(info.param.name); });

// The saved arrival is the bet's: another type given on the command line prices the list without it, and --arrivee
// replaces it.
TEST(SavedWholeArrival, GoesWithItsBetAndGivesWayToTheOptions)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    ASSERT_EQ(RunOrnal({ "--print", "--enregistrer", file.string(), "--jeu", "tierce", "--arrivee", "3-1-12",
                           "--rapport", "désordre=20", kFive })
                  .status,
        0);
    const ProgramRun otherType = RunOrnal({ "--print", "--jeu", "trio", file.string() });
    EXPECT_EQ(otherType.status, 0) << otherType.err;
    EXPECT_EQ(Lines(otherType.out).size(), 10u);
    const ProgramRun otherArrival = RunOrnal({ "--print", "--arrivee", "3-7-12", file.string() });
    EXPECT_EQ(otherArrival.status, 0) << otherArrival.err;
    EXPECT_EQ(otherArrival.out, "-3-7-12-\tordre\n");
    EXPECT_EQ(otherArrival.err.find("Gains"), std::string::npos) << "the saved rapports are those of the saved arrival";
    // Without --print, only the lines' count and the cost that the options ask for.
    const ProgramRun csv = RunOrnal({ "--csv", (folder / "l.csv").string(), file.string() });
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.err, "Combinaisons : 10\n");
}

} // namespace
} // namespace ornal::testing_support
