#include "betting/runnerpaste.h"
#include "betting/runners.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace ornal {
namespace {

struct OddsCase {
    std::string text;
    std::optional<double> odds;
};

class OddsTest : public testing::TestWithParam<OddsCase> { };

TEST_P(OddsTest, ReadsTheFrenchWayOrWithAFullStop)
{
    EXPECT_EQ(ParseOdds(GetParam().text), GetParam().odds) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, OddsTest,
    testing::Values(OddsCase { "5,2", 5.2 }, OddsCase { "5.2", 5.2 }, OddsCase { " 8 ", 8.0 },
        OddsCase { "12,25", 12.25 }, OddsCase { "1", 1.0 }, OddsCase { "0,5", 0.5 }, OddsCase { "", std::nullopt },
        OddsCase { "5,", std::nullopt }, OddsCase { ",5", std::nullopt }, OddsCase { "5,2,1", std::nullopt },
        OddsCase { "-3", std::nullopt }, OddsCase { "5 2", std::nullopt }, OddsCase { "abc", std::nullopt },
        OddsCase { "12345678901234567", std::nullopt }));

TEST(RunnerNumber, WholeFromOneToNinetyNine)
{
    EXPECT_EQ(ParseRunnerNumber(" 7 "), 7);
    EXPECT_EQ(ParseRunnerNumber("99"), 99);
    EXPECT_EQ(ParseRunnerNumber("0"), std::nullopt);
    EXPECT_EQ(ParseRunnerNumber("100"), std::nullopt);
    EXPECT_EQ(ParseRunnerNumber("7.5"), std::nullopt);
    EXPECT_EQ(ParseRunnerNumber(""), std::nullopt);
}

TEST(OddsText, WritesBackWithACommaAndNoTrailingZero)
{
    EXPECT_EQ(OddsText(5.2), "5,2");
    EXPECT_EQ(OddsText(8), "8");
    EXPECT_EQ(OddsText(12.25), "12,25");
    EXPECT_EQ(OddsText(3.05), "3,05");
}

struct PasteCase {
    std::string name;
    std::string text;
    std::vector<Runner> runners;
    std::vector<int> unreadable;
};

class PasteTest : public testing::TestWithParam<PasteCase> { };

TEST_P(PasteTest, ReadsNumberThenFirstDecimalAfterIt)
{
    const PastedRunners pasted = ReadRunnerLines(GetParam().text);
    EXPECT_EQ(pasted.runners, GetParam().runners);
    EXPECT_EQ(pasted.unreadableLines, GetParam().unreadable);
}

INSTANTIATE_TEST_SUITE_P(Table, PasteTest,
    testing::Values(
        PasteCase { "NamesSkipped", "1 Ballerine du Bois 5,2\n2 Quel Espoir 8\n", { { 1, 5.2 }, { 2, 8 } }, {} },
        PasteCase {
            "PunctuationAndFullStop", "12. Rapide (FR) 3.5\r\n7 - Lent - 41,0", { { 12, 3.5 }, { 7, 41 } }, {} },
        // Only the first decimal after the number counts: a weight or a rank further on is ignored.
        PasteCase { "FirstDecimalOnly", "3 Alto 6,5 58 kg", { { 3, 6.5 } }, {} },
        PasteCase { "BlankLinesNeitherReadNorReported", "\n1 A 2\n   \n2 B 3\n", { { 1, 2 }, { 2, 3 } }, {} },
        PasteCase { "UnreadableLinesCountedFromOne", "N° Cheval Cote\n1 A 2\n2 Sans cote\n100 C 4\n4,5 D 6",
            { { 1, 2 } }, { 1, 3, 4, 5 } },
        // Odds of 1 or below are read: the check of the runners refuses them, naming the runner.
        PasteCase { "LowOddsReadForTheCheck", "5 E 1", { { 5, 1 } }, {} }),
    [](const testing::TestParamInfo<PasteCase>& info) { return info.param.name; });

TEST(UnreadableLinesText, SingularAndPlural)
{
    EXPECT_EQ(UnreadableLinesText({}), "");
    EXPECT_EQ(UnreadableLinesText({ 3 }), "Ligne illisible : 3.");
    EXPECT_EQ(UnreadableLinesText({ 3, 7 }), "Lignes illisibles : 3, 7.");
}

} // namespace
} // namespace ornal
