// The filters and the conditions on the command line, run through the built program. Expected lines are worked out
// by hand; lines come in the order of rising box numbers.
#include "programrun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using ornal::testing_support::Lines;
using ornal::testing_support::ProgramRun;
using ornal::testing_support::RunOrnal;
using Texts = std::vector<std::string>;

// C(6, 3) = 20 lines; their sums, in order: 6 7 8 9 8 9 10 10 11 12 9 10 11 11 12 13 12 13 14 15.
const std::string kSix = "|6|3|1|2|3|4|5|6";
// The window tests' own five numbers: 10 lines, 12 holding no 1.
const std::string kFive = "|5|3|3|7|12|1|9";

struct StepsCase {
    std::string name;
    Texts arguments; // between --print and the preload
    std::string preload;
    Texts lines;
};

class ListStepsTest : public testing::TestWithParam<StepsCase> { };

TEST_P(ListStepsTest, PrintsTheLinesLeft)
{
    const StepsCase& c = GetParam();
    Texts arguments { "--print" };
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    arguments.push_back(c.preload);
    const ProgramRun run = RunOrnal(arguments);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Lines(run.out), c.lines);
    EXPECT_EQ(run.err, "Combinaisons : " + std::to_string(c.lines.size()) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Hand, ListStepsTest,
    testing::Values(
        // Of the seven lines summing 6 to 9, 1-3-4, 1-3-5 and 2-3-4 hold one of 1 and 2; 1-3-5 alone has no run.
        StepsCase {
            "ThreeConditions", { "--groupe", "1,2:1-1", "--somme", "6-9", "--suite", "1" }, kSix, { "-1-3-5-" } },
        // Two or three of 2, 4, 6: three ways to pick two of them times three odd numbers, and 2-4-6.
        StepsCase { "EvenNumbers", { "--pairs", "2-3" }, kSix,
            { "-1-2-4-", "-1-2-6-", "-1-4-6-", "-2-3-4-", "-2-3-6-", "-2-4-5-", "-2-4-6-", "-2-5-6-", "-3-4-6-",
                "-4-5-6-" } },
        // Two sums bound the lines together: 9 to 12.
        StepsCase { "TwoSumsMeet", { "--somme", "6-12", "--somme", "9-15" }, kSix,
            { "-1-2-6-", "-1-3-5-", "-1-3-6-", "-1-4-5-", "-1-4-6-", "-1-5-6-", "-2-3-4-", "-2-3-5-", "-2-3-6-",
                "-2-4-5-", "-2-4-6-", "-3-4-5-" } },
        // The prediction's 05 is the group's 5, and lines keep the text of the box.
        StepsCase { "GroupByValue", { "--groupe", "5:1-1" }, "|5|3|05|7|12|1|9",
            { "-05-7-12-", "-05-7-1-", "-05-7-9-", "-05-12-1-", "-05-12-9-", "-05-1-9-" } },
        // The window's keep filter after Yes on the same list (the window tests' case): 12 holds no 1.
        StepsCase { "KeepLikeTheWindow", { "--garde", "1" }, kFive,
            { "-3-7-1-", "-3-12-1-", "-3-1-9-", "-7-12-1-", "-7-1-9-", "-12-1-9-" } },
        StepsCase { "RemoveLikeTheWindow", { "--supp", "12" }, kFive, { "-3-7-1-", "-3-7-9-", "-3-1-9-", "-7-1-9-" } },
        // The filter box reads the number a text starts with: "7abc" keeps the lines holding 7.
        StepsCase { "KeepReadsTheStartOfTheText", { "--garde", "7abc", "--supp", " 9 " }, kFive,
            { "-3-7-12-", "-3-7-1-", "-7-12-1-" } },
        // Filters and conditions mixed, with a base: 7 stands second in every line.
        StepsCase { "WithABase", { "--base", "7", "--groupe", "12,1:1-2", "--supp", "3" }, kFive,
            { "-12-7-1-", "-12-7-9-", "-1-7-9-" } },
        // A filter that leaves nothing is done (status 0); only a later step meets the empty list.
        StepsCase { "EmptiedLast", { "--somme", "6-9", "--garde", "1", "--garde", "2", "--garde", "3", "--garde", "4" },
            kSix, {} }),
    [](const testing::TestParamInfo<StepsCase>& info) { return info.param.name; });

// Each step keeps a line by looking at that line alone: the order of the options does not change the lines kept.
TEST(ListStepsOrder, FiltersAndConditionsGiveTheSameLinesInAnyOrder)
{
    // Sums 6 to 9 holding 1: 1-2-3, 1-2-4, 1-2-5, 1-2-6, 1-3-4, 1-3-5.
    const Texts expected { "-1-2-3-", "-1-2-4-", "-1-2-5-", "-1-2-6-", "-1-3-4-", "-1-3-5-" };
    const std::vector<Texts> orders { { "--garde", "1", "--somme", "6-9", "--suite", "3" },
        { "--somme", "6-9", "--garde", "1", "--suite", "3" }, { "--suite", "3", "--somme", "6-9", "--garde", "1" } };
    for (const Texts& order : orders) {
        Texts arguments { "--print" };
        arguments.insert(arguments.end(), order.begin(), order.end());
        arguments.push_back(kSix);
        const ProgramRun run = RunOrnal(arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out), expected) << order[0];
    }
}

// ... but the step that meets an emptied list refuses it, as the window does.
TEST(ListStepsOrder, AConditionAfterAnEmptiedListIsRefused)
{
    const ProgramRun run = RunOrnal(
        { "--print", "--garde", "1", "--garde", "2", "--garde", "3", "--garde", "4", "--somme", "6-9", kSix });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Liste vide , traitement impossible.\n");
    EXPECT_EQ(run.out, "");
}

TEST(ListStepsOutputs, TheWorkbookHoldsTheLinesLeft)
{
    std::string pattern = testing::TempDir() + "ornal_steps_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path file = std::filesystem::path(pattern) / "conditions.xlsx";
    const ProgramRun run = RunOrnal({ "--xlsx", file.string(), "--groupe", "1,2:1-1", "--somme", "6-9", kSix });
    EXPECT_EQ(run.status, 0) << run.err;
    // 1-3-4, 1-3-5 and 2-3-4, as in ThreeConditions before the run.
    EXPECT_EQ(run.err, "Combinaisons : 3\n");
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove_all(pattern);
}

struct RefusalCase {
    std::string name;
    Texts arguments;
    int status;
    std::string err; // the whole of standard error, or its start for a misuse
};

class ListStepsRefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(ListStepsRefusalTest, SaysWhyAndPrintsNoLine)
{
    const RefusalCase& c = GetParam();
    const ProgramRun run = RunOrnal(c.arguments);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == 1) {
        EXPECT_EQ(run.err, c.err + "\n");
    } else {
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << run.err;
    }
    EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(ProgramMessages, ListStepsRefusalTest,
    testing::Values(RefusalCase { "NotInThePrediction", { "--print", "--groupe", "14:1-1", kSix }, 1,
                        "Le 14 n'est pas dans le pronostic." },
        RefusalCase { "GroupUpsideDown", { "--print", "--groupe", "1,2:2-1", kSix }, 1,
            "Groupe « Favoris » : le minimum 2 dépasse le maximum 1." },
        // The second group on the command line is named after its rank, even in a later pass.
        RefusalCase { "SecondGroupTooSmall",
            { "--print", "--groupe", "1:0-1", "--garde", "2", "--groupe", "2,3:3-3", kSix }, 1,
            "Groupe « Outsiders » : le minimum 3 dépasse ses 2 numéros." },
        RefusalCase {
            "SumUpsideDown", { "--print", "--somme", "10-9", kSix }, 1, "Somme : le minimum 10 dépasse le maximum 9." },
        RefusalCase { "EvenUpsideDown", { "--print", "--pairs", "3-1", kSix }, 1,
            "Nombre de pairs : le minimum 3 dépasse le maximum 1." },
        RefusalCase { "KeepAWord", { "--print", "--garde", "abc", kSix }, 1, "Choisir un Nombre." },
        RefusalCase { "RemoveNothing", { "--print", "--supp", "", kSix }, 1, "Choisir un Nombre." }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(Misuse, ListStepsRefusalTest,
    testing::Values(
        RefusalCase { "SumWithoutMaximum", { "--print", "--somme", "20", kSix }, 2, "ornal : --somme attend MIN-MAX" },
        RefusalCase { "GroupWithAWord", { "--print", "--groupe", "1,x:1-2", kSix }, 2, "ornal : --groupe attend" },
        RefusalCase { "RunOfNone", { "--print", "--suite", "0", kSix }, 2, "ornal : --suite attend" },
        RefusalCase { "EvenWithoutValue", { "--print", "--pairs" }, 2, "ornal : --pairs attend MIN-MAX" },
        RefusalCase { "KeepWithoutValue", { "--print", "--garde" }, 2, "ornal : --garde attend un numéro." },
        RefusalCase { "SixGroups",
            { "--print", "--groupe", "1:0-1", "--groupe", "2:0-1", "--groupe", "3:0-1", "--groupe", "4:0-1", "--groupe",
                "5:0-1", "--garde", "1", "--groupe", "6:0-1", kSix },
            2, "ornal : --groupe : cinq groupes au plus." },
        RefusalCase { "WithoutAnOutput", { "--supp", "3", kSix }, 2, "ornal : --supp ne va qu'avec --print" }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

} // namespace
