// --jeu, --mise and --arrivee, run through the built program. Every expected line is worked out by hand from the
// bet table: the lines of a computation without bases are the k-subsets of the boxes in lexicographic order.
#include "programrun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace ornal::testing_support;
using Texts = std::vector<std::string>;

const std::string kEight = "1|2|3|4|5|6|7|8";

// '_' stands for the no-break space that French amounts put before the euro sign.
std::string NoBreak(std::string text)
{
    std::string out;
    for (const char c : text) {
        out += c == '_' ? std::string("\xC2\xA0") : std::string(1, c);
    }
    return out;
}

struct ArrivalCase {
    std::string name;
    Texts arguments;
    Texts out; // the paying lines, a tab, the class
    Texts err;
};

class ArrivalRunTest : public testing::TestWithParam<ArrivalCase> { };

TEST_P(ArrivalRunTest, WritesOnlyThePayingLinesThenTheCountsByClass)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), GetParam().out);
    Texts err;
    for (const std::string& line : GetParam().err) {
        err.push_back(NoBreak(line));
    }
    EXPECT_EQ(Lines(run.err), err);
}

INSTANTIATE_TEST_SUITE_P(Table, ArrivalRunTest,
    testing::Values(
        // C(8, 3) = 56 lines; {1, 3, 5} is one of them, written 1-3-5, which is not the order 3-5-1.
        ArrivalCase { "TierceDesordre", { "--print", "--jeu", "tierce", "--arrivee", "3-5-1", "|8|3|" + kEight },
            { "-1-3-5-\tdésordre" },
            { "Combinaisons : 56", "Coût : 56 mises de 1,00_€ = 56,00_€", "désordre : 1", "Lignes gagnantes : 1" } },
        // Arrival 1-2-3 is also the lexicographic order, so the first line is the ordre.
        ArrivalCase { "TierceOrdre", { "--print", "--jeu", "tierce", "--arrivee", "1-2-3", "|8|3|" + kEight },
            { "-1-2-3-\tordre" },
            { "Combinaisons : 56", "Coût : 56 mises de 1,00_€ = 56,00_€", "ordre : 1", "Lignes gagnantes : 1" } },
        // Quinté+ 8-6-7-2-4 over C(8, 5) = 56 lines at 2,50 €: désordre {2,4,6,7,8}; bonus 4 {2,6,7,8} with one of
        // 1, 3, 5 (not 4); bonus 3 {6,7,8} with two of 1, 3, 4, 5 (not 2): C(4, 2) = 6.
        ArrivalCase { "QuinteBonuses",
            { "--print", "--jeu", "quinte", "--mise", "2,50", "--arrivee", "8-6-7-2-4", "|8|5|" + kEight },
            { "-1-2-6-7-8-\tbonus 4", "-1-3-6-7-8-\tbonus 3", "-1-4-6-7-8-\tbonus 3", "-1-5-6-7-8-\tbonus 3",
                "-2-3-6-7-8-\tbonus 4", "-2-4-6-7-8-\tdésordre", "-2-5-6-7-8-\tbonus 4", "-3-4-6-7-8-\tbonus 3",
                "-3-5-6-7-8-\tbonus 3", "-4-5-6-7-8-\tbonus 3" },
            { "Combinaisons : 56", "Coût : 56 mises de 2,50_€ = 140,00_€", "désordre : 1", "bonus 4 : 3", "bonus 3 : 6",
                "Lignes gagnantes : 10" } },
        // Multi en 6 over C(8, 6) = 28 lines: {2,4,6,8} and two of 1, 3, 5, 7: C(4, 2) = 6. A dash at each end of
        // the arrival, as lines are written, is read the same.
        ArrivalCase { "MultiEnSix", { "--print", "--jeu", "multi", "--arrivee", "-2-4-6-8-", "|8|6|" + kEight },
            { "-1-2-3-4-6-8-\tmulti en 6", "-1-2-4-5-6-8-\tmulti en 6", "-1-2-4-6-7-8-\tmulti en 6",
                "-2-3-4-5-6-8-\tmulti en 6", "-2-3-4-6-7-8-\tmulti en 6", "-2-4-5-6-7-8-\tmulti en 6" },
            { "Combinaisons : 28", "Coût : 28 mises de 3,00_€ = 84,00_€", "multi en 6 : 6", "Lignes gagnantes : 6" } },
        // Couplé placé at 2.50 written with a full stop: C(5, 2) = 10 pairs; 9 and 12 are among 12-3-9, 7 is not.
        ArrivalCase { "CouplePlace",
            { "--print", "--jeu", "couple-place", "--mise", "2.50", "--arrivee", "12-3-9", "|5|2|3|7|12|1|9" },
            { "-3-12-\tplacé", "-3-9-\tplacé", "-12-9-\tplacé" },
            { "Combinaisons : 10", "Coût : 10 mises de 2,50_€ = 25,00_€", "placé : 3", "Lignes gagnantes : 3" } },
        // Quinté+ as above at 4,00 €, rapports quoted for its 2,00 €: 1 x 98,40 + 3 x 12,60 + 6 x 4,20 = 161,40 €,
        // twice that is 322,80 €, less 56 x 4,00 € = 224,00 €.
        ArrivalCase { "QuinteGainsAtTwiceTheBase",
            { "--print", "--jeu", "quinte", "--mise", "4", "--arrivee", "8-6-7-2-4", "--rapport", "désordre=98,40",
                "--rapport", "bonus 4=12.60", "--rapport", "bonus 3=4,20 €", "|8|5|" + kEight },
            { "-1-2-6-7-8-\tbonus 4", "-1-3-6-7-8-\tbonus 3", "-1-4-6-7-8-\tbonus 3", "-1-5-6-7-8-\tbonus 3",
                "-2-3-6-7-8-\tbonus 4", "-2-4-6-7-8-\tdésordre", "-2-5-6-7-8-\tbonus 4", "-3-4-6-7-8-\tbonus 3",
                "-3-5-6-7-8-\tbonus 3", "-4-5-6-7-8-\tbonus 3" },
            { "Combinaisons : 56", "Coût : 56 mises de 4,00_€ = 224,00_€", "désordre : 1", "bonus 4 : 3", "bonus 3 : 6",
                "Lignes gagnantes : 10", "Gains : 322,80_€", "Net : 98,80_€" } },
        // A loss reads with a minus sign; a rapport for a class that pays no line counts for nothing.
        ArrivalCase { "TierceLoss",
            { "--print", "--jeu", "tierce", "--arrivee", "3-5-1", "--rapport", "désordre=12,40", "--rapport",
                "ordre=80", "|8|3|" + kEight },
            { "-1-3-5-\tdésordre" },
            { "Combinaisons : 56", "Coût : 56 mises de 1,00_€ = 56,00_€", "désordre : 1", "Lignes gagnantes : 1",
                "Gains : 12,40_€", "Net : -43,60_€" } },
        // Each class that pays without its rapport is named, and no gains are made up without it.
        ArrivalCase { "RapportMissing",
            { "--print", "--jeu", "quinte", "--arrivee", "8-6-7-2-4", "--rapport", "bonus 4=12,60", "|8|5|" + kEight },
            { "-1-2-6-7-8-\tbonus 4", "-1-3-6-7-8-\tbonus 3", "-1-4-6-7-8-\tbonus 3", "-1-5-6-7-8-\tbonus 3",
                "-2-3-6-7-8-\tbonus 4", "-2-4-6-7-8-\tdésordre", "-2-5-6-7-8-\tbonus 4", "-3-4-6-7-8-\tbonus 3",
                "-3-5-6-7-8-\tbonus 3", "-4-5-6-7-8-\tbonus 3" },
            { "Combinaisons : 56", "Coût : 56 mises de 2,00_€ = 112,00_€", "désordre : 1", "bonus 4 : 3", "bonus 3 : 6",
                "Lignes gagnantes : 10", "Rapport manquant : désordre", "Rapport manquant : bonus 3" } },
        // The Multi's classes carry the line size; its rapports are for its 3,00 €, and a stake typed with thousands
        // apart is read: 6 x 25 x 1 500 / 3 = 75 000,00 €, less 28 x 1 500,00 €.
        ArrivalCase { "MultiWithALargeStake",
            { "--print", "--jeu", "multi", "--mise", "1 500,00", "--arrivee", "2-4-6-8", "--rapport", "multi en 6=25",
                "|8|6|" + kEight },
            { "-1-2-3-4-6-8-\tmulti en 6", "-1-2-4-5-6-8-\tmulti en 6", "-1-2-4-6-7-8-\tmulti en 6",
                "-2-3-4-5-6-8-\tmulti en 6", "-2-3-4-6-7-8-\tmulti en 6", "-2-4-5-6-7-8-\tmulti en 6" },
            { "Combinaisons : 28", "Coût : 28 mises de 1_500,00_€ = 42_000,00_€", "multi en 6 : 6",
                "Lignes gagnantes : 6", "Gains : 75_000,00_€", "Net : 33_000,00_€" } },
        // Horses 9, 10 and 11 are in no line: nothing is written, and no class line either.
        ArrivalCase { "NothingPays", { "--print", "--jeu", "trio", "--arrivee", "9-10-11", "|8|3|" + kEight }, {},
            { "Combinaisons : 56", "Coût : 56 mises de 1,50_€ = 84,00_€", "Lignes gagnantes : 0" } }),
    [](const auto& info) { return info.param.name; });

TEST(BetCommandLine, JeuAloneAddsTheCostAfterTheCountAndKeepsEveryLine)
{
    // C(8, 5) = 56 lines at the Quinté+'s 2,00 €.
    const ProgramRun run = RunOrnal({ "--print", "--jeu", "quinte", "|8|5|" + kEight });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out).size(), 56u);
    EXPECT_EQ(run.err, NoBreak("Combinaisons : 56\nCoût : 56 mises de 2,00_€ = 112,00_€\n"));
}

TEST(BetCommandLine, JeuWithXlsxWritesTheWorkbookAndTheCost)
{
    std::string pattern = testing::TempDir() + "ornal_cli_jeu_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path file = std::filesystem::path(pattern) / "jeu.xlsx";
    // C(8, 4) = 70 lines at the Quarté+'s 1,30 €: 91,00 €.
    const ProgramRun run = RunOrnal({ "--xlsx", file.string(), "--jeu", "quarte", "|8|4|" + kEight });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err, NoBreak("Combinaisons : 70\nCoût : 70 mises de 1,30_€ = 91,00_€\n"));
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove_all(pattern);
}

struct BetRefusalCase {
    std::string name;
    Texts arguments;
    int status;
    std::string errStart;
};

class BetRefusalTest : public testing::TestWithParam<BetRefusalCase> { };

TEST_P(BetRefusalTest, WritesNoLineAndSaysWhy)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_TRUE(run.out.empty()) << run.out;
    EXPECT_EQ(run.err.substr(0, GetParam().errStart.size()), GetParam().errStart) << run.err;
    // A misuse ends with where the help is; a refusal of the program is its message alone.
    EXPECT_EQ(run.err.find("\nPour l'aide : ornal --help\n") != std::string::npos, GetParam().status == 2) << run.err;
    EXPECT_EQ(run.err.find("Usage : ornal"), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Table, BetRefusalTest,
    testing::Values(BetRefusalCase { "UnknownId", { "--print", "--jeu", "loto", "|8|3|" + kEight }, 2,
                        "ornal : type de pari inconnu « loto » (couple-gagnant, " },
        BetRefusalCase { "JeuWithoutValue", { "--print", "|8|3|" + kEight, "--jeu" }, 2, "ornal : --jeu attend" },
        BetRefusalCase { "StakeNotAnAmount", { "--print", "--jeu", "tierce", "--mise", "deux", "|8|3|" + kEight }, 2,
            "ornal : --mise « deux » : Montant invalide" },
        BetRefusalCase { "ZeroStake", { "--print", "--jeu", "tierce", "--mise", "0", "|8|3|" + kEight }, 2,
            "ornal : --mise « 0 » : La mise doit être d'au moins 0,01\xC2\xA0€." },
        BetRefusalCase { "NegativeStake", { "--print", "--jeu", "tierce", "--mise", "-2,50", "|8|3|" + kEight }, 2,
            "ornal : --mise « -2,50 » : La mise doit être d'au moins 0,01\xC2\xA0€." },
        BetRefusalCase { "RapportWithoutArrival",
            { "--print", "--jeu", "tierce", "--rapport", "ordre=10", "|8|3|" + kEight }, 2,
            "ornal : --rapport ne va qu'avec --arrivee." },
        BetRefusalCase { "UnknownClass",
            { "--print", "--jeu", "tierce", "--arrivee", "1-2-3", "--rapport", "bonus=10", "|8|3|" + kEight }, 2,
            "ornal : --rapport : le Tiercé n'a pas de classe « bonus » (ordre, désordre)." },
        BetRefusalCase { "MultiClassWithoutItsSize",
            { "--print", "--jeu", "multi", "--arrivee", "1-2-3-4", "--rapport", "multi=10", "|8|4|" + kEight }, 2,
            "ornal : --rapport : le Multi n'a pas de classe « multi » (multi en 4, multi en 5, multi en 6, multi en "
            "7)." },
        BetRefusalCase { "MalformedRapport",
            { "--print", "--jeu", "tierce", "--arrivee", "1-2-3", "--rapport", "ordre=dix", "|8|3|" + kEight }, 2,
            "ornal : --rapport « ordre=dix » : Montant invalide" },
        BetRefusalCase { "RapportWithoutEquals",
            { "--print", "--jeu", "tierce", "--arrivee", "1-2-3", "--rapport", "ordre", "|8|3|" + kEight }, 2,
            "ornal : --rapport « ordre » : écrivez CLASSE=EUROS" },
        BetRefusalCase { "RapportTwice",
            { "--print", "--jeu", "tierce", "--arrivee", "1-2-3", "--rapport", "ordre=10", "--rapport", "ordre=12",
                "|8|3|" + kEight },
            2, "ornal : --rapport : le rapport de « ordre » est donné deux fois." },
        BetRefusalCase { "ArrivalWithoutJeu", { "--print", "--arrivee", "1-2-3", "|8|3|" + kEight }, 2,
            "ornal : --arrivee ne va qu'avec --jeu ou un jeu enregistré avec son pari." },
        BetRefusalCase { "StakeWithoutJeu", { "--print", "--mise", "2", "|8|3|" + kEight }, 2,
            "ornal : --mise ne va qu'avec --jeu ou un jeu enregistré avec son pari." },
        BetRefusalCase { "JeuWithoutOutput", { "--jeu", "tierce", "|8|3|" + kEight }, 2,
            "ornal : --jeu ne va qu'avec --print ou --xlsx." },
        BetRefusalCase { "ArrivalWithXlsx",
            { "--xlsx", "/nonexistent/x.xlsx", "--jeu", "tierce", "--arrivee", "1-2-3", "|8|3|" + kEight }, 2,
            "ornal : --arrivee ne va qu'avec --print" },
        BetRefusalCase { "JeuTwice", { "--print", "--jeu", "tierce", "--jeu", "trio", "|8|3|" + kEight }, 2,
            "ornal : l'option --jeu est donnée deux fois." },
        // Refusals of the program: status 1 and the message the window shows.
        BetRefusalCase { "LinesOfAnotherSize", { "--print", "--jeu", "quinte", "|8|3|" + kEight }, 1,
            "Le Quinté+ se joue avec 5 numéros par ligne.\n" },
        BetRefusalCase { "TooFewPlaces", { "--print", "--jeu", "couple-place", "--arrivee", "1-2", "|8|2|" + kEight },
            1, "L'arrivée du Couplé placé compte 3 chevaux.\n" },
        BetRefusalCase { "RepeatedNumber", { "--print", "--jeu", "tierce", "--arrivee", "3-5-3", "|8|3|" + kEight }, 1,
            "Numéro déjà saisi.\n" },
        BetRefusalCase { "LetterInArrival", { "--print", "--jeu", "tierce", "--arrivee", "3-x-1", "|8|3|" + kEight }, 1,
            "Entrez un Numéro.\n" }),
    [](const auto& info) { return info.param.name; });

} // namespace
