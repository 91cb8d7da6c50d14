// The runners and their odds kept in a saved game on the command line: saved with --cotes, giving the chances when
// the game is printed without it, and overridden by it.
#include "document/gamefile.h"
#include "filetesting.h"
#include "programrun.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

const std::string kThree = "|3|2|1|2|3";

// '_' stands for the no-break space before the euro and the percent signs.
Texts NoBreak(const Texts& lines)
{
    Texts out;
    for (const std::string& line : lines) {
        std::string text;
        for (const char c : line) {
            text += c == '_' ? std::string("\xC2\xA0") : std::string(1, c);
        }
        out.push_back(text);
    }
    return out;
}

// Odds 2, 4, 4: chances to win 1/2, 1/4, 1/4. The lines 1-2, 1-3, 2-3 pay the ordre for 1 then 2
// (1/2 * 1/4 / 1/2 = 1/4), 1 then 3 (1/4) and 2 then 3 (1/4 * 1/4 / 3/4 = 1/12): 7/12.
const Texts kSavedOddsErr = NoBreak({ "Combinaisons : 3", "Coût : 3 mises de 1,50_€ = 4,50_€",
    "Probabilité de gain : 58,33_%", "Probabilité ordre : 58,33_%", "Lignes payées en moyenne : 0,58" });

std::vector<Runner> Loaded(const std::filesystem::path& file)
{
    const GameLoadOutcome loaded = LoadGame(file);
    EXPECT_TRUE(loaded.ok()) << loaded.refusalText();
    return loaded.ok() ? loaded->runners : std::vector<Runner> {};
}

class SavedOddsTest : public testing::Test {
protected:
    // The game of kThree bet as an ordre, with the odds given by oddsValue.
    std::filesystem::path saved(const std::string& name, const std::string& oddsValue)
    {
        const std::filesystem::path file = m_folder / name;
        const ProgramRun run = RunOrnal(
            { "--enregistrer", file.string(), "--print", "--jeu", "couple-ordre", "--cotes", oddsValue, kThree });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.err), kSavedOddsErr);
        return file;
    }

    ScratchFolder m_folder;
};

TEST_F(SavedOddsTest, TheOddsGivenAreSavedInTheOrderGiven)
{
    EXPECT_EQ(Loaded(saved("typed.ornal", "3=4,1=2,2=4")), (std::vector<Runner> { { 3, 4 }, { 1, 2 }, { 2, 4 } }));
    // A file of runners, read like a paste: names skipped, a decimal comma.
    const std::filesystem::path list = m_folder / "cotes.txt";
    std::ofstream(list) << "1 Éclair 2,0\n2 Tonnerre 4\n3 Brume 4,0\n";
    EXPECT_EQ(Loaded(saved("file.ornal", list.string())), (std::vector<Runner> { { 1, 2 }, { 2, 4 }, { 3, 4 } }));
}

TEST_F(SavedOddsTest, ThePrintedGameGivesTheChancesOfItsRunners)
{
    const std::filesystem::path file = saved("jeu.ornal", "1=2,2=4,3=4");
    const ProgramRun printed = RunOrnal({ "--print", file.string(), "--jeu", "couple-ordre" });
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(Lines(printed.err), kSavedOddsErr);
    // The saved bet alone brings the chances as well.
    EXPECT_EQ(Lines(RunOrnal({ "--print", file.string() }).err), kSavedOddsErr);
}

TEST_F(SavedOddsTest, CotesOverridesTheSavedRunnersAndIsSavedInTheirPlace)
{
    const std::filesystem::path file = saved("jeu.ornal", "1=2,2=4,3=4");
    const std::filesystem::path again = m_folder / "encore.ornal";
    // Odds 4, 2, 4: chances 1/4, 1/2, 1/4. 1 then 2: 1/4 * 1/2 / 3/4 = 1/6; 1 then 3: 1/4 * 1/4 / 3/4 = 1/12;
    // 2 then 3: 1/2 * 1/4 / 1/2 = 1/4. In all 1/2.
    const ProgramRun printed = RunOrnal({ "--print", file.string(), "--jeu", "couple-ordre", "--cotes", "1=4,2=2,3=4",
        "--enregistrer", again.string() });
    EXPECT_EQ(printed.status, 0) << printed.err;
    EXPECT_EQ(Lines(printed.err),
        NoBreak({ "Combinaisons : 3", "Coût : 3 mises de 1,50_€ = 4,50_€", "Probabilité de gain : 50,00_%",
            "Probabilité ordre : 50,00_%", "Lignes payées en moyenne : 0,50" }));
    EXPECT_EQ(Loaded(again), (std::vector<Runner> { { 1, 4 }, { 2, 2 }, { 3, 4 } }));
    EXPECT_EQ(Loaded(file), (std::vector<Runner> { { 1, 2 }, { 2, 4 }, { 3, 4 } }))
        << "the game opened is left as it was";
}

TEST_F(SavedOddsTest, SavingTheOpenedGameAgainKeepsItsRunners)
{
    const std::filesystem::path file = saved("jeu.ornal", "1=2,2=4,3=4");
    const std::filesystem::path again = m_folder / "encore.ornal";
    const ProgramRun run = RunOrnal({ "--enregistrer", again.string(), file.string() });
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Loaded(again), (std::vector<Runner> { { 1, 2 }, { 2, 4 }, { 3, 4 } }));
}

// What pdftotext reads of file, or nullopt when it is missing.
std::optional<std::string> PdfText(const std::filesystem::path& file)
{
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        return std::nullopt;
    }
    std::string text;
    if (std::FILE* pipe = ::popen(("pdftotext -enc UTF-8 " + Quote(file.string()) + " -").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
            text.append(buffer, got);
        }
        ::pclose(pipe);
    }
    return text;
}

TEST_F(SavedOddsTest, ThePdfNamesTheRunnersInForce)
{
    const std::filesystem::path file = saved("jeu.ornal", "1=2,2=4,3=4");
    const std::filesystem::path savedPdf = m_folder / "saved.pdf";
    const std::filesystem::path givenPdf = m_folder / "given.pdf";
    ASSERT_EQ(RunOrnal({ "--pdf", savedPdf.string(), file.string() }).status, 0);
    ASSERT_EQ(RunOrnal({ "--print", "--pdf", givenPdf.string(), "--jeu", "couple-ordre", "--cotes", "2=2.5,1=3,3=12.25",
                           kThree })
                  .status,
        0);
    const std::optional<std::string> fromSaved = PdfText(savedPdf);
    if (!fromSaved) {
        GTEST_SKIP() << "pdftotext is missing (Debian package poppler-utils)";
    }
    EXPECT_NE(fromSaved->find("Partants et cotes : 1 à 2 ; 2 à 4 ; 3 à 4"), std::string::npos) << *fromSaved;
    const std::optional<std::string> fromGiven = PdfText(givenPdf);
    ASSERT_TRUE(fromGiven);
    EXPECT_NE(fromGiven->find("Partants et cotes : 2 à 2,5 ; 1 à 3 ; 3 à 12,25"), std::string::npos) << *fromGiven;
}

} // namespace
} // namespace ornal::testing_support
