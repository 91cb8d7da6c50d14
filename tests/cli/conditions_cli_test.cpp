// The filters and the conditions on the command line, run through the built program. Expected lines are worked out
// by hand; lines come in the order of rising box numbers.
#include "conditionsparity.h"
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
        // Two sums bound the lines together: 9 to 12.
        StepsCase { "TwoSumsMeet", { "--somme", "6-12", "--somme", "9-15" }, kSix,
            { "-1-2-6-", "-1-3-5-", "-1-3-6-", "-1-4-5-", "-1-4-6-", "-1-5-6-", "-2-3-4-", "-2-3-5-", "-2-3-6-",
                "-2-4-5-", "-2-4-6-", "-3-4-5-" } },
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
        // The second group on the command line is named after its rank, even in a later pass.
        RefusalCase { "SecondGroupTooSmall",
            { "--print", "--groupe", "1:0-1", "--garde", "2", "--groupe", "2,3:3-3", kSix }, 1,
            "Groupe « Outsiders » : le minimum 3 dépasse ses 2 numéros." },
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

// The built program as one front end of the conditions table: each condition as its option, the groups named by
// their rank. A row the table leaves empty before a group takes a group that keeps every line, so that the group
// has the row's name.
class ConditionsProgramFront : public testing::Test {
public:
    // The program's texts are lines of standard error.
    static std::string said(const std::string& text) { return text + "\n"; }

    static ornal::ConditionsAnswer answer(const ornal::ConditionsCase& c)
    {
        // "|6|3|1|..." : the first number of the prediction, in a group of its own held 0 or 1 times.
        const std::size_t first = c.preload.find('|', c.preload.find('|', 1) + 1) + 1;
        const std::string everyLine = c.preload.substr(first, c.preload.find('|', first) - first) + ":0-1";
        Texts arguments { "--print" };
        int rank = 0;
        for (const ornal::ConditionsCase::Group& group : c.groups) {
            for (; rank < group.rank; ++rank) {
                arguments.insert(arguments.end(), { "--groupe", everyLine });
            }
            std::string numbers;
            for (const std::string& number : group.numbers) {
                numbers += (numbers.empty() ? "" : ",") + number;
            }
            arguments.insert(arguments.end(),
                { "--groupe", numbers + ":" + std::to_string(group.atLeast) + "-" + std::to_string(group.atMost) });
            ++rank;
        }
        const auto range
            = [](const std::pair<int, int>& r) { return std::to_string(r.first) + "-" + std::to_string(r.second); };
        if (c.sum) {
            arguments.insert(arguments.end(), { "--somme", range(*c.sum) });
        }
        if (c.even) {
            arguments.insert(arguments.end(), { "--pairs", range(*c.even) });
        }
        if (c.longestRun) {
            arguments.insert(arguments.end(), { "--suite", std::to_string(*c.longestRun) });
        }
        arguments.push_back(c.preload);
        const ProgramRun run = RunOrnal(arguments);
        using Kind = ornal::ConditionsAnswer::Kind;
        return { run.status == 0                     ? Kind::Kept
                : run.status == 1 && run.out.empty() ? Kind::Refused
                                                     : Kind::Other,
            Lines(run.out), run.err };
    }
};

} // namespace

namespace ornal {
INSTANTIATE_TYPED_TEST_SUITE_P(Program, ConditionsParity, ConditionsProgramFront);
} // namespace ornal
