// The guaranteed reduction run by the built program: the kept lines checked against a slow count of arrivals, the
// summary on standard error, and the refusals and misuses with their statuses.
#include "coveringcheck.h"
#include "programrun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

namespace ornal::testing_support {
namespace {

const std::string kEightHorses = "|8|4|1|2|3|4|5|6|7|8";

// Quadruples of 8 horses, every triple in a kept line: C(8, 4, 3) = 14, Schönheim's bound
// ceil(8/4 * ceil(7/3 * ceil(6/2))) = 14, a La Jolla record marked proven.
TEST(CommandLineReduction, EveryTripleOfEightHorsesStaysInAKeptLine)
{
    const ProgramRun whole = RunOrnal({ "--print", kEightHorses });
    const ProgramRun run
        = RunOrnal({ "--print", "--reduire", "3,3", "--graine", "1", "--secondes", "2", kEightHorses });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> kept = Lines(run.out);
    EXPECT_EQ(kept.size(), 14u);
    EXPECT_TRUE(InListOrder(kept, Lines(whole.out)));
    EXPECT_EQ(UnmetArrivals(kept, 8, 3, 3), 0);
    // C(8, 3) = 56 triples, all met by the full list.
    EXPECT_EQ(run.err, "Combinaisons : 14\nGarantie : 3 premiers, 3 dans une ligne : 56 arrivées tenues sur 56\n");

    const ProgramRun again
        = RunOrnal({ "--print", "--reduire", "3,3", "--graine", "1", "--secondes", "2", kEightHorses });
    EXPECT_EQ(again.out, run.out) << "the same seed keeps the same lines";
}

// With base 1 the arrivals are 1 and a pair of the 6 others (15); each line holds 1 and 3 others, so 3 pairs: the
// pairs of 6 horses in triples, C(6, 3, 2) = 6 (Schönheim: ceil(6/3 * ceil(5/2)) = 6).
TEST(CommandLineReduction, TheBasesAreTheBaseOptions)
{
    const ProgramRun run
        = RunOrnal({ "--print", "--base", "1", "--reduire", "3,3", "--graine", "1", "|7|4|1|2|3|4|5|6|7" });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> kept = Lines(run.out);
    EXPECT_EQ(kept.size(), 6u);
    EXPECT_EQ(UnmetArrivals(kept, 7, 3, 3, 1u << 1), 0);
    EXPECT_EQ(run.err, "Combinaisons : 6\nGarantie : 3 premiers, 3 dans une ligne : 15 arrivées tenues sur 15\n");
}

// A box of text is horse 0, as the filters and the window's reduction read it: the game plays as 1 to 6 would, 20
// triples in 6 lines (the window's own test runs this game too).
TEST(CommandLineReduction, ABoxOfTextIsAHorseByItsValueAsInTheWindow)
{
    const ProgramRun run = RunOrnal({ "--print", "--reduire", "3,3", "--graine", "1", "|6|4|1|2|abc|4|5|6" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Combinaisons : 6\nGarantie : 3 premiers, 3 dans une ligne : 20 arrivées tenues sur 20\n");
}

// --supp 8 runs first and leaves the quadruples of 1..7: of the C(8, 3) = 56 triples, the C(7, 2) = 21 holding 8 are
// met by no line any more, the other 35 stay promised.
TEST(CommandLineReduction, ArrivalsTheFiltersLeftOutAreCounted)
{
    const ProgramRun run
        = RunOrnal({ "--print", "--reduire", "3,3", "--supp", "8", "--graine", "1", "--secondes", "1", kEightHorses });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> kept = Lines(run.out);
    EXPECT_EQ(UnmetArrivals(kept, 7, 3, 3), 0);
    EXPECT_EQ(run.err,
        "Combinaisons : " + std::to_string(kept.size())
            + "\nGarantie : 3 premiers, 3 dans une ligne : 35 arrivées tenues sur 35\nHors du jeu : 21 arrivées\n");
}

TEST(CommandLineReduction, AWorkbookGetsTheKeptLines)
{
    const std::filesystem::path file = testing::TempDir() + "ornal_reduction_" + std::to_string(getpid()) + ".xlsx";
    std::filesystem::remove(file);
    const ProgramRun run = RunOrnal({ "--xlsx", file.string(), "--reduire", "3,3", "--graine", "1", kEightHorses });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Combinaisons : 14\nGarantie : 3 premiers, 3 dans une ligne : 56 arrivées tenues sur 56\n");
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove(file);
}

// The bet type decides what a reduction may keep: a Tiercé pays only the whole combination, a Quarté+ its bonus.
TEST(CommandLineReduction, TheBetTypeMustOfferAReduction)
{
    const ProgramRun tierce = RunOrnal({ "--print", "--jeu", "tierce", "--reduire", "2,2", "|8|3|1|2|3|4|5|6|7|8" });
    EXPECT_EQ(tierce.status, 1);
    EXPECT_EQ(tierce.err, "Aucune réduction possible pour le Tiercé : seule la combinaison complète paie.\n");
    EXPECT_EQ(tierce.out, "");

    // The 14 kept quadruples priced at the Quarté+'s default stake, 1,30 €: 18,20 €.
    const ProgramRun quarte
        = RunOrnal({ "--print", "--jeu", "quarte", "--reduire", "3,3", "--graine", "1", kEightHorses });
    EXPECT_EQ(quarte.status, 0) << quarte.err;
    EXPECT_EQ(Lines(quarte.out).size(), 14u);
    EXPECT_NE(
        quarte.err.find("Garantie : 3 premiers, 3 dans une ligne : 56 arrivées tenues sur 56\n"), std::string::npos);
    EXPECT_NE(quarte.err.find("18,20"), std::string::npos) << quarte.err;
}

// Seven quadruples hold at most 7 * 4 = 28 of the 56 triples, reached by half of the Steiner system of 8 points (two
// of its blocks share at most two horses); the exhaustive choice finds it.
TEST(CommandLineReduction, SevenLinesHoldTheMostTriplesTheyCan)
{
    const ProgramRun run = RunOrnal({ "--print", "--reduire", "3,3", "--lignes", "7", "--graine", "1", kEightHorses });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> kept = Lines(run.out);
    EXPECT_EQ(kept.size(), 7u);
    EXPECT_EQ(UnmetArrivals(kept, 8, 3, 3), 56 - 28);
    EXPECT_EQ(run.err,
        "Combinaisons : 7\nGarantie : 3 premiers, 3 dans une ligne : 28 arrivées tenues sur 56\nCouverture : "
        "50,0\u00A0%\n");
}

// 9,10 € at the Quarté+'s 1,30 € pays the same seven lines; the cost line follows the reduction's.
TEST(CommandLineReduction, ABudgetPaysAsManyLinesAsTheStakeAllows)
{
    const ProgramRun run = RunOrnal(
        { "--print", "--jeu", "quarte", "--reduire", "3,3", "--budget", "9,10", "--graine", "1", kEightHorses });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> kept = Lines(run.out);
    EXPECT_EQ(kept.size(), 7u);
    EXPECT_EQ(UnmetArrivals(kept, 8, 3, 3), 28);
    EXPECT_NE(run.err.find("Garantie : 3 premiers, 3 dans une ligne : 28 arrivées tenues sur 56\nCouverture : "
                           "50,0\u00A0%\n"),
        std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("9,10"), std::string::npos) << run.err;

    // At a stake of 3 €, 9,10 € pays three lines: 12 triples at most, and three blocks of the system reach it.
    const ProgramRun dear = RunOrnal({ "--print", "--jeu", "quarte", "--mise", "3", "--reduire", "3,3", "--budget",
        "9,10", "--graine", "1", kEightHorses });
    ASSERT_EQ(dear.status, 0) << dear.err;
    EXPECT_EQ(Lines(dear.out).size(), 3u);
    EXPECT_EQ(UnmetArrivals(Lines(dear.out), 8, 3, 3), 56 - 12);
}

// Twenty lines are more than the 14 a complete reduction needs: the full guarantee, in at most 20 lines.
TEST(CommandLineReduction, EnoughLinesGiveTheFullGuarantee)
{
    const ProgramRun run = RunOrnal({ "--print", "--reduire", "3,3", "--lignes", "20", "--graine", "1", kEightHorses });
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> kept = Lines(run.out);
    EXPECT_LE(kept.size(), 20u);
    EXPECT_EQ(UnmetArrivals(kept, 8, 3, 3), 0);
    EXPECT_NE(run.err.find("Garantie : 3 premiers, 3 dans une ligne : 56 arrivées tenues sur 56\nCouverture : "
                           "100,0\u00A0%\n"),
        std::string::npos)
        << run.err;
}

struct ReductionRefusal {
    std::vector<std::string> arguments;
    int status;
    std::string errStart;
};

class CommandLineReductionRefusal : public testing::TestWithParam<ReductionRefusal> { };

TEST_P(CommandLineReductionRefusal, SaysWhatIsWrongAndWritesNoLine)
{
    std::vector<std::string> arguments = GetParam().arguments;
    arguments.push_back(kEightHorses);
    const ProgramRun run = RunOrnal(arguments);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(run.err.substr(0, GetParam().errStart.size()), GetParam().errStart) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(ProgramMessages, CommandLineReductionRefusal,
    testing::Values(ReductionRefusal { { "--print", "--reduire", "9,3" }, 1,
                        "Nombre de premiers invalide : choisissez entre 1 et 8.\n" },
        ReductionRefusal {
            { "--print", "--reduire", "0,0" }, 1, "Nombre de premiers invalide : choisissez entre 1 et 8.\n" },
        ReductionRefusal {
            { "--print", "--reduire", "3,4" }, 1, "Nombre de chevaux par ligne invalide : choisissez entre 1 et 3.\n" },
        ReductionRefusal { { "--print", "--base", "1", "--base", "2", "--reduire", "1,1" }, 1,
            "Nombre de premiers invalide : choisissez entre 2 et 8 (le jeu a 2 bases).\n" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--lignes", "0" }, 1,
            "Nombre de lignes invalide : gardez au moins une ligne.\n" },
        ReductionRefusal { { "--print", "--jeu", "quarte", "--reduire", "3,3", "--budget", "1,29" }, 1,
            "Budget insuffisant : 1,29\u00A0€ ne paie pas une ligne à 1,30\u00A0€.\n" },
        // A stake of nothing is a misuse of --mise, refused before any budget is weighed.
        ReductionRefusal { { "--print", "--jeu", "quarte", "--mise", "0", "--reduire", "3,3", "--budget", "5" }, 2,
            "ornal : --mise « 0 » : La mise doit être d'au moins 0,01\u00A0€.\n" }));

INSTANTIATE_TEST_SUITE_P(Misuse, CommandLineReductionRefusal,
    testing::Values(ReductionRefusal { { "--print", "--reduire", "3" }, 2, "ornal : --reduire attend deux nombres" },
        ReductionRefusal { { "--print", "--reduire", "3,x" }, 2, "ornal : --reduire attend deux nombres" },
        ReductionRefusal { { "--print", "--reduire", "-3,3" }, 2, "ornal : --reduire attend deux nombres" },
        ReductionRefusal { { "--print", "--reduire", "99999999999,3" }, 2, "ornal : --reduire attend deux nombres" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--reduire", "4,4" }, 2, "ornal : l'option --reduire" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--secondes", "0" }, 2, "ornal : --secondes attend" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--secondes", "2.5" }, 2, "ornal : --secondes attend" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--graine", "-1" }, 2, "ornal : --graine attend" },
        ReductionRefusal { { "--print", "--secondes", "2" }, 2, "ornal : --secondes ne va qu'avec --reduire." },
        ReductionRefusal { { "--reduire", "3,3" }, 2, "ornal : --reduire ne va qu'avec --print" },
        ReductionRefusal { { "--print", "--reduire" }, 2, "ornal : --reduire attend" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--lignes", "x" }, 2, "ornal : --lignes attend" },
        ReductionRefusal { { "--print", "--reduire", "3,3", "--lignes", "-2" }, 2, "ornal : --lignes attend" },
        ReductionRefusal {
            { "--print", "--jeu", "quarte", "--reduire", "3,3", "--budget", "cher" }, 2, "ornal : --budget « cher »" },
        ReductionRefusal {
            { "--print", "--reduire", "3,3", "--budget", "20" }, 2, "ornal : --budget ne va qu'avec --jeu" },
        ReductionRefusal { { "--print", "--jeu", "quarte", "--reduire", "3,3", "--lignes", "5", "--budget", "20" }, 2,
            "ornal : --lignes et --budget ne vont pas ensemble." },
        ReductionRefusal { { "--print", "--lignes", "5" }, 2, "ornal : --lignes ne va qu'avec --reduire." },
        ReductionRefusal {
            { "--print", "--jeu", "quarte", "--budget", "5" }, 2, "ornal : --budget ne va qu'avec --reduire." }));

} // namespace
} // namespace ornal::testing_support
