// --cotes, run through the built program. The chances are worked out by hand in each case's comment.
#include "programrun.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace ornal::testing_support;
using Texts = std::vector<std::string>;

// '_' stands for the no-break space before the euro and the percent signs.
std::string NoBreak(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        out += c == '_' ? std::string("\xC2\xA0") : std::string(1, c);
    }
    return out;
}

// A runners' file in the test's own folder, removed at the end of the test.
class OddsFile {
public:
    explicit OddsFile(const std::string& text)
        : m_path(std::filesystem::temp_directory_path() / ("ornal-cotes-" + std::to_string(::getpid()) + ".txt"))
    {
        std::ofstream(m_path) << text;
    }
    ~OddsFile() { std::filesystem::remove(m_path); }
    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// Odds 2, 4, 4: chances to win 1/2, 1/4, 1/4. The three lines 1-2, 1-3, 2-3 pay the ordre for 1 then 2
// (1/2 * 1/4 / 1/2 = 1/4), 1 then 3 (1/4) and 2 then 3 (1/4 * 1/4 / 3/4 = 1/12): 7/12 = 58,33 %, one line at most.
const Texts kCoupleOrdreErr { "Combinaisons : 3", "Coût : 3 mises de 1,50_€ = 4,50_€", "Probabilité de gain : 58,33_%",
    "Probabilité ordre : 58,33_%", "Lignes payées en moyenne : 0,58" };

struct OddsCase {
    std::string name;
    Texts arguments;
    Texts err;
};

class OddsRunTest : public testing::TestWithParam<OddsCase> { };

TEST_P(OddsRunTest, ChancesFollowTheCostLine)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    Texts err;
    for (const std::string& line : GetParam().err) {
        err.push_back(NoBreak(line));
    }
    EXPECT_EQ(Lines(run.err), err);
    EXPECT_FALSE(run.out.empty());
}

INSTANTIATE_TEST_SUITE_P(Table, OddsRunTest,
    testing::Values(
        OddsCase { "CoupleOrdre", { "--print", "--jeu", "couple-ordre", "--cotes", "1=2,2=4,3=4", "|3|2|1|2|3" },
            kCoupleOrdreErr },
        // The README's example, so that the page prints what it shows. Its gain is the chance that the first three are
        // among horses 1 to 8 (every line of three of them is held by some line): summed over those 336 orders by a
        // separate Harville script when the case was written, 0.694234; the classes are the program's own split.
        OddsCase { "ReadmeQuinte",
            { "--print", "--jeu", "quinte", "--cotes",
                "1=3.5,2=4.2,3=6,4=7.5,5=9,6=11,7=14,8=18,9=22,10=30,11=40,12=55", "|8|5|1|2|3|4|5|6|7|8" },
            { "Combinaisons : 56", "Coût : 56 mises de 2,00_€ = 112,00_€", "Probabilité de gain : 69,42_%",
                "Probabilité ordre : 0,70_%", "Probabilité désordre : 44,94_%", "Probabilité bonus 4 : 12,24_%",
                "Probabilité bonus 3 : 11,55_%", "Lignes payées en moyenne : 6,94" } },
        // Four runners at equal odds, one Trio line: its three are the first three with chance 1 / C(4, 3).
        OddsCase { "TrioAmongFourRunners", { "--print", "--jeu", "trio", "--cotes", "1=4,2=4,3=4,4=4", "|3|3|1|2|3" },
            { "Combinaisons : 1", "Coût : 1 mise de 1,50_€ = 1,50_€", "Probabilité de gain : 25,00_%",
                "Probabilité trio : 25,00_%", "Lignes payées en moyenne : 0,25" } },
        // Three equal runners, a Tiercé line 1-2-3: the ordre is one order of six, the désordre the five others.
        OddsCase { "TierceClassesInOrder",
            { "--print", "--jeu", "tierce", "--cotes", "1=3,2=3,3=3", "--arrivee", "1-2-3", "|3|3|1|2|3" },
            { "Combinaisons : 1", "Coût : 1 mise de 1,00_€ = 1,00_€", "Probabilité de gain : 100,00_%",
                "Probabilité ordre : 16,67_%", "Probabilité désordre : 83,33_%", "Lignes payées en moyenne : 1,00",
                "ordre : 1", "Lignes gagnantes : 1" } }),
    [](const testing::TestParamInfo<OddsCase>& info) { return info.param.name; });

TEST(OddsFile, ReadLikeThePasteWithCommasInTheOdds)
{
    const OddsFile file("1 Alpha 2\n\n2 Beta (FR) 4,0\n3. Gamma 4 58 kg\n");
    const ProgramRun run = RunOrnal({ "--print", "--jeu", "couple-ordre", "--cotes", file.path(), "|3|2|1|2|3" });
    EXPECT_EQ(run.status, 0) << run.err;
    Texts err;
    for (const std::string& line : kCoupleOrdreErr) {
        err.push_back(NoBreak(line));
    }
    EXPECT_EQ(Lines(run.err), err);
}

struct RefusedCase {
    std::string name;
    std::string odds;
    std::string message;
};

class OddsRefusedTest : public testing::TestWithParam<RefusedCase> { };

TEST_P(OddsRefusedTest, StatusOneBeforeAnyLine)
{
    const ProgramRun run = RunOrnal({ "--print", "--jeu", "couple-ordre", "--cotes", GetParam().odds, "|3|2|1|2|3" });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err), Texts { GetParam().message });
}

INSTANTIATE_TEST_SUITE_P(Table, OddsRefusedTest,
    testing::Values(RefusedCase { "HorseWithoutOdds", "1=2,2=4", "Le cheval 3 de la prédiction n'a pas de cote." },
        RefusedCase { "OddsOfOne", "1=2,2=1,3=4", "La cote du partant 2 doit être supérieure à 1." },
        RefusedCase { "RunnerTwice", "1=2,2=4,1=3,3=5", "Le partant 1 est donné deux fois." },
        RefusedCase { "TooFewRunners", "1=2", "Le Couplé ordre demande au moins 2 partants : 1 est donné." }),
    [](const testing::TestParamInfo<RefusedCase>& info) { return info.param.name; });

TEST(OddsFile, UnreadableLinesAreRefusedByNumber)
{
    const OddsFile file("1 Alpha 2\nBeta\n3 Gamma\n");
    const ProgramRun run = RunOrnal({ "--print", "--jeu", "couple-ordre", "--cotes", file.path(), "|3|2|1|2|3" });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err), Texts { "« " + file.path() + " » : Lignes illisibles : 2, 3." });
}

struct MisuseCase {
    std::string name;
    Texts arguments;
    std::string firstLine;
};

class OddsMisuseTest : public testing::TestWithParam<MisuseCase> { };

TEST_P(OddsMisuseTest, StatusTwo)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_FALSE(Lines(run.err).empty());
    EXPECT_EQ(Lines(run.err).front(), GetParam().firstLine);
}

INSTANTIATE_TEST_SUITE_P(Table, OddsMisuseTest,
    testing::Values(MisuseCase { "WithoutJeu", { "--print", "--cotes", "1=2,2=4,3=4", "|3|2|1|2|3" },
                        "ornal : --cotes ne va qu'avec --jeu." },
        MisuseCase { "OddsNotANumber", { "--print", "--jeu", "trio", "--cotes", "1=2,2=abc", "|3|3|1|2|3" },
            "ornal : --cotes « 2=abc » : attendu N=COTE, par exemple 3=5.2." },
        // On the command line the comma parts the runners: "5,2" leaves a runner "2" without odds.
        MisuseCase { "FrenchCommaInAPair", { "--print", "--jeu", "trio", "--cotes", "1=5,2", "|3|3|1|2|3" },
            "ornal : --cotes « 2 » : attendu N=COTE, par exemple 3=5.2." },
        MisuseCase { "RunnerNumberZero", { "--print", "--jeu", "trio", "--cotes", "0=3", "|3|3|1|2|3" },
            "ornal : --cotes « 0=3 » : attendu N=COTE, par exemple 3=5.2." },
        MisuseCase { "Empty", { "--print", "--jeu", "trio", "--cotes", "", "|3|3|1|2|3" },
            "ornal : --cotes attend N=COTE,N=COTE,... ou un fichier." }),
    [](const testing::TestParamInfo<MisuseCase>& info) { return info.param.name; });

// The chance that runner `last` finishes last of the five runners with these odds, every order summed by brute
// force with Harville's product written out here.
double ChanceLast(const std::vector<double>& odds, int last)
{
    double total = 0;
    for (const double c : odds) {
        total += 1 / c;
    }
    std::vector<int> order { 0, 1, 2, 3, 4 };
    double sum = 0;
    do {
        if (order.back() != last) {
            continue;
        }
        double chance = 1;
        double gone = 0;
        for (const int r : order) {
            const double p = 1 / odds[static_cast<std::size_t>(r)] / total;
            chance *= p / (1 - gone);
            gone += p;
        }
        sum += chance;
    } while (std::next_permutation(order.begin(), order.end()));
    return sum;
}

std::string Percent(double chance)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", std::round(chance * 10000) / 100);
    std::string out(text);
    std::replace(out.begin(), out.end(), '.', ',');
    return out + NoBreak("_%");
}

TEST(OddsBudget, OneLineKeepsTheLikeliestArrival)
{
    // Five Multi en 4 lines of five runners; each line holds one arrival, the four first being all but one horse.
    // The outsider 1 (odds 30) is the likeliest to finish last, so the line without it is the one to keep; every
    // line is as good without the odds, whichever such a search keeps holds one of the other four chances.
    const std::vector<double> odds { 30, 3, 4, 5, 6 };
    const ProgramRun run = RunOrnal({ "--print", "--jeu", "multi", "--cotes", "1=30,2=3,3=4,4=5,5=6", "--reduire",
        "4,4", "--lignes", "1", "|5|4|1|2|3|4|5" });
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), Texts { "-2-3-4-5-" });
    const Texts err = Lines(run.err);
    ASSERT_GE(err.size(), 3u);
    EXPECT_EQ(err[1], "Garantie : 4 premiers, 4 dans une ligne : 1 arrivée tenue sur 5");
    const std::string prefix = "Probabilité de gain : " + Percent(ChanceLast(odds, 0)) + " (";
    EXPECT_EQ(err[2].substr(0, prefix.size()), prefix) << err[2];
    bool another = false;
    for (int last = 1; last < 5; ++last) {
        another = another
            || err[2] == prefix + Percent(ChanceLast(odds, last)) + " sans les cotes, au même nombre de lignes)";
    }
    EXPECT_TRUE(another) << err[2];
    // The chances of the kept list that follow the cost line say the same gain.
    EXPECT_NE(std::find(err.begin(), err.end(), "Probabilité de gain : " + Percent(ChanceLast(odds, 0))), err.end());
}

TEST(OddsBudget, AHorseWithoutOddsIsRefusedBeforeTheSearch)
{
    const ProgramRun run = RunOrnal({ "--print", "--jeu", "multi", "--cotes", "1=30,2=3,3=4,4=5", "--reduire", "4,4",
        "--lignes", "1", "|5|4|1|2|3|4|5" });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Lines(run.err), Texts { "Le cheval 5 de la prédiction n'a pas de cote." });
}

} // namespace
