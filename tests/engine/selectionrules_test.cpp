#include "engine/selectionrules.h"

#include <gtest/gtest.h>

#include <string>

namespace ornal {
namespace {

TEST(ShownNumberBoxCount, BoxesBelowTheHorseCountUpToTwenty)
{
    EXPECT_EQ(ShownNumberBoxCount(""), 0);
    EXPECT_EQ(ShownNumberBoxCount("abc"), 0);
    EXPECT_EQ(ShownNumberBoxCount("0"), 0);
    EXPECT_EQ(ShownNumberBoxCount("-3"), 0);
    EXPECT_EQ(ShownNumberBoxCount("4"), 4);
    EXPECT_EQ(ShownNumberBoxCount("8.5"), 9);
    EXPECT_EQ(ShownNumberBoxCount("20"), 20);
    EXPECT_EQ(ShownNumberBoxCount("99999"), 20);
}

TEST(CheckBetSizeChoice, RefusesAnEmptyHorseCountThenASmallerOne)
{
    EXPECT_EQ(CheckBetSizeChoice("", "3").refusal().text(), "Choisir un Nombre.");
    EXPECT_EQ(CheckBetSizeChoice("5", "7").refusal().text(), "Choix invalide.");
    EXPECT_EQ(CheckBetSizeChoice("abc", "2").refusal().text(), "Choix invalide.");
    EXPECT_EQ(CheckBetSizeChoice("5", "7").refusal().message.icon, MessageIcon::None);
    EXPECT_TRUE(CheckBetSizeChoice("4", "4"));
    EXPECT_TRUE(CheckBetSizeChoice("8", " "));
    EXPECT_TRUE(CheckBetSizeChoice("4", "2.5"));
}

TEST(ShownResultBoxCount, OneBoxPerNumberUpToFive)
{
    EXPECT_EQ(ShownResultBoxCount(" "), 0);
    EXPECT_EQ(ShownResultBoxCount("2"), 2);
    EXPECT_EQ(ShownResultBoxCount("2.5"), 2);
    EXPECT_EQ(ShownResultBoxCount("4"), 4);
    EXPECT_EQ(ShownResultBoxCount("5"), 5);
    EXPECT_EQ(ShownResultBoxCount("7"), 5);
}

TEST(BetTypeLogos, PairsPerBetSize)
{
    using Pair = std::pair<int, int>;
    EXPECT_EQ(BetTypeLogos("2"), (Pair { 0, 1 }));
    EXPECT_EQ(BetTypeLogos("3"), (Pair { 2, 3 }));
    EXPECT_EQ(BetTypeLogos("4"), (Pair { 4, 5 }));
    EXPECT_EQ(BetTypeLogos("5"), (Pair { 5, 6 }));
    EXPECT_EQ(BetTypeLogos("6"), (Pair { 5, 6 }));
    EXPECT_EQ(BetTypeLogos(" 7 "), (Pair { 5, 6 }));
    EXPECT_FALSE(BetTypeLogos(" "));
    EXPECT_FALSE(BetTypeLogos("2.5"));
    EXPECT_FALSE(BetTypeLogos("8"));
}

TEST(MarkAllowed, OnlyBelowTheBetSize)
{
    EXPECT_TRUE(MarkAllowed(2, "3"));
    EXPECT_FALSE(MarkAllowed(3, "3"));
    EXPECT_TRUE(MarkAllowed(2, "2.5"));
    EXPECT_FALSE(MarkAllowed(0, " "));
}

} // namespace
} // namespace ornal
