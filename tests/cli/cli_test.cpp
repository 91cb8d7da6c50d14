// Runs the built program as a script would: arguments in, standard output, standard error and status out.
#include "programrun.h"
#include "selectiontable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using ornal::testing_support::Lines;
using ornal::testing_support::ProgramRun;
using ornal::testing_support::Quote;
using ornal::testing_support::RunOrnal;

TEST(CommandLine, PrintsFiftySixLinesInGenerationOrder)
{
    const ProgramRun run = RunOrnal({ "--print", "|8|5|1|2|3|4|5|6|7|8" });
    EXPECT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(lines.front(), "-1-2-3-4-5-");
    EXPECT_EQ(lines[1], "-1-2-3-4-6-");
    EXPECT_EQ(lines.back(), "-4-5-6-7-8-");
    EXPECT_EQ(run.err, "Combinaisons : 56\n");
}

TEST(CommandLine, BaseSevenStandsSecond)
{
    const ProgramRun run = RunOrnal({ "--print", "--base", "7", "|5|3|3|7|12|1|9" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out),
        (std::vector<std::string> { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-12-7-1-", "-12-7-9-", "-1-7-9-" }));
    EXPECT_EQ(run.err, "Combinaisons : 6\n");
}

TEST(CommandLine, ArgumentsAreJoinedWithSpacesLikeTheWindowDoes)
{
    const ProgramRun split = RunOrnal({ "--print", " |8|3|1|2|3|4", "|5|6|7|8 " });
    const ProgramRun whole = RunOrnal({ "--print", "|8|3|1|2|3|4|5|6|7|8" });
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(split.out, whole.out);
    EXPECT_EQ(Lines(split.out).size(), 56u);
}

// 1 to 20 written with 6,000 leading zeros each.
std::string PredictionOfLongNumbers()
{
    std::string prediction = "|20|7";
    for (int n = 1; n <= 20; ++n) {
        prediction += '|' + std::string(6000, '0') + std::to_string(n);
    }
    return prediction;
}

struct RefusalCase {
    std::vector<std::string> arguments;
    int status;
    std::string errStart;
};

class CommandLineRefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(CommandLineRefusalTest, PrintsTheMessageAndNothingElse)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(run.err.substr(0, GetParam().errStart.size()), GetParam().errStart) << run.err;
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(ProgramMessages, CommandLineRefusalTest,
    testing::Values(RefusalCase { { "--print", "|8|3" }, 1, "Entrez un Numéro.\n" },
        RefusalCase { { "--print", "|4|7|1|2|3|4" }, 1, "Choix invalide.\n" },
        RefusalCase { { "--print", "|8|9|1|2|3|4|5|6|7|8" }, 1, "Vous devez choisir un type de jeu.\n" },
        RefusalCase { { "--print", "|4|2|5|12|05|9" }, 1, "Numéro déjà saisi.\n" },
        RefusalCase { { "--print", "--base", "1", "|1|2|1" }, 1, "Choix invalide.\n" },
        // A "-" in a number would split it into two fields of every line.
        RefusalCase { { "--print", "|4|2|1|-3|3|4" }, 1, "Entrez un Numéro.\n" },
        // C(20, 7) lines of 42 KB each, far past what a list may hold.
        RefusalCase { { "--print", PredictionOfLongNumbers() }, 1, "Choix invalide.\n" }));

INSTANTIATE_TEST_SUITE_P(Misuse, CommandLineRefusalTest,
    testing::Values(RefusalCase { { "--print", "x" }, 2, "ornal : PRELOAD" },
        RefusalCase { { "--print", "|21|3" }, 2, "ornal : PRELOAD" },
        RefusalCase { { "--print" }, 2, "ornal : --print attend" },
        RefusalCase { { "--bogus" }, 2, "ornal : option inconnue" },
        RefusalCase { { "--print", "--base" }, 2, "ornal : --base attend" },
        RefusalCase { { "--base", "3", "|5|3|1|2|3|4|5" }, 2, "ornal : --base ne va" },
        RefusalCase { { "--print", "--base", "9", "|5|3|3|7|12|1|9" }, 2, "ornal : la base 9" },
        // 1 stands in box 3, past the first three boxes that a base may occupy.
        RefusalCase { { "--print", "--base", "1", "|5|3|3|7|12|1|9" }, 2, "ornal : la base 1" },
        RefusalCase { { "--print", "--base", "x", "|5|3|3|7|12|1|9" }, 2, "ornal : --base attend" },
        RefusalCase { { "--print", "--base", "3", "--base", "03", "|5|3|3|7|12|1|9" }, 2, "ornal : la base 03" },
        RefusalCase { { "--print", "--base", "1", "--base", "2", "--base", "3", "--base", "4", "|8|7|1|2|3|4|5|6|7|8" },
            2, "ornal : trois bases" }));

TEST(CommandLine, HelpAndVersion)
{
    const ProgramRun help = RunOrnal({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--print"), std::string::npos);
    const ProgramRun version = RunOrnal({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("ornal ", 0), 0u);
}

TEST(CommandLine, LargestListWhole)
{
    const ProgramRun run = RunOrnal({ "--print", "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out).size(), 77520u);
    EXPECT_EQ(run.err, "Combinaisons : 77520\n");
}

// A workbook far larger than what the process may write: the library's scratch files are cut short first, and
// the truncated workbook must not be taken for a finished one.
TEST(CommandLine, AWorkbookCutShortByTheFileSizeLimitIsReportedAndRemoved)
{
    std::string pattern = testing::TempDir() + "ornal_cli_limit_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / "limite.xlsx";
    // Ignoring SIGXFSZ turns the limit into failed writes (EFBIG), as a full temporary folder gives.
    const ProgramRun run
        = RunOrnal({ "--xlsx", file.string(), "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" },
            "cd " + Quote(folder.string()) + " && trap '' XFSZ; ulimit -f 20; exec ");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("Le classeur n'a pas pu être écrit dans « " + file.string() + " » : "), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
    std::filesystem::remove_all(folder);
}

namespace shared {

class SharedSelectionTest : public testing::TestWithParam<ornal::SelectionCase> { };

TEST_P(SharedSelectionTest, GivesTheWindowsListOrMessage)
{
    const ornal::SelectionCase& c = GetParam();
    std::vector<std::string> arguments { "--print" };
    for (const std::string& base : c.bases) {
        arguments.insert(arguments.end(), { "--base", base });
    }
    arguments.push_back(c.preload);
    const ProgramRun run = RunOrnal(arguments);
    switch (c.expect) {
    case ornal::SelectionCase::Expect::Lines: {
        EXPECT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_EQ(lines.size(), c.count);
        EXPECT_TRUE(std::equal(c.lines.begin(), c.lines.end(), lines.begin()));
        EXPECT_EQ(run.err, "Combinaisons : " + std::to_string(c.count) + "\n");
        break;
    }
    case ornal::SelectionCase::Expect::Message:
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, c.message + "\n");
        EXPECT_EQ(run.out, "");
        break;
    case ornal::SelectionCase::Expect::Unmarkable:
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("ornal : la base " + c.bases.back() + " ", 0), 0u) << run.err;
        EXPECT_EQ(run.out, "");
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SharedSelectionTest, testing::ValuesIn(ornal::SharedSelectionCases()),
    [](const testing::TestParamInfo<ornal::SelectionCase>& info) { return info.param.name; });

} // namespace shared

} // namespace
