#include "engine/preload.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornal {
namespace {

using Numbers = std::vector<std::string>;

TEST(ParsePreload, EightHorsesBetsOfFiveAndTheirNumbers)
{
    const auto fields = ParsePreload("|8|5|1|2|3|4|5|6|7|8");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->horseCountText, "8");
    EXPECT_EQ(fields->betSizeText, "5");
    EXPECT_EQ(fields->numbers, (Numbers { "1", "2", "3", "4", "5", "6", "7", "8" }));
}

TEST(ParsePreload, FieldZeroIsNeverRead)
{
    const auto fields = ParsePreload("x|12");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->horseCountText, "12");
    EXPECT_FALSE(fields->betSizeText);
    EXPECT_EQ(fields->numbers, Numbers(12, ""));
}

TEST(ParsePreload, BetSizeBelowTwoIsIgnoredAndMissingNumbersAreEmpty)
{
    const auto fields = ParsePreload("8|5|1|2");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->horseCountText, "5");
    EXPECT_FALSE(fields->betSizeText);
    EXPECT_EQ(fields->numbers, (Numbers { "2", "", "", "", "" }));
}

TEST(ParsePreload, SpacesAroundTheLineAndEveryFieldAreRemoved)
{
    const auto fields = ParsePreload("   | 8 |  3 | 1 |2  |3|4|5|6|7| 8   ");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->horseCountText, "8");
    EXPECT_EQ(fields->betSizeText, "3");
    EXPECT_EQ(fields->numbers, (Numbers { "1", "2", "3", "4", "5", "6", "7", "8" }));
}

TEST(ParsePreload, TwentyHorsesWithoutNumbers)
{
    const auto fields = ParsePreload("|20|7");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->betSizeText, "7");
    EXPECT_EQ(fields->numbers, Numbers(20, ""));
}

TEST(ParsePreload, BetSizeAboveSevenKeepsTheCurrentChoice)
{
    const auto fields = ParsePreload("|8|9|1|2|3|4|5|6|7|8");
    ASSERT_TRUE(fields);
    EXPECT_FALSE(fields->betSizeText);
    EXPECT_EQ(fields->numbers.size(), 8u);
}

TEST(ParsePreload, FractionalHorseCountIsKeptAsWrittenAndRoundedToEven)
{
    const auto fields = ParsePreload("|8.5|2.5|1|2|3|4|5|6|7|8|9");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->horseCountText, "8.5");
    EXPECT_EQ(fields->betSizeText, "2.5");
    EXPECT_EQ(fields->numbers.size(), 8u);
}

TEST(ParsePreload, ExtraFieldsAreIgnored)
{
    const auto fields = ParsePreload("|4|2|1|2|3|4|5|6");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->numbers, (Numbers { "1", "2", "3", "4" }));
}

class UnusablePreloadTest : public testing::TestWithParam<std::string> { };

TEST_P(UnusablePreloadTest, DoesNothing)
{
    EXPECT_FALSE(ParsePreload(GetParam())) << '"' << GetParam() << '"';
}

INSTANTIATE_TEST_SUITE_P(Table, UnusablePreloadTest,
    testing::Values("", "   ", "8", "8 5 1 2", "|", "||5", "|0|5", "|21|5", "|-3|2", "|abc|3", "|7abc|3", "|20.5|7"));

// The numeric test accepts an exponent but the value is read without it, as everywhere else: 1e400 is one horse.
TEST(ParsePreload, ExponentPassesTheTestButIsNotRead)
{
    const auto fields = ParsePreload("|1e400|2|5");
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->horseCountText, "1e400");
    EXPECT_EQ(fields->numbers, (Numbers { "5" }));
}

TEST(JoinCommandLine, JoinsWithSingleSpacesAndTrims)
{
    EXPECT_EQ(JoinCommandLine({}), "");
    EXPECT_EQ(JoinCommandLine({ "|8|5", "|1" }), "|8|5 |1");
    EXPECT_EQ(JoinCommandLine({ " ", "|8|3", "" }), "|8|3");
}

} // namespace
} // namespace ornal
