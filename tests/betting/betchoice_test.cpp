#include "betting/betchoice.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornal {
namespace {

// The default of each bet size as the bet table sets it: Couplé gagnant for 2, Tiercé for 3, Quarté+ for 4, Quinté+
// for 5, Multi for 6 and 7; no type for any other size.
TEST(BetChoice, DefaultTypeForEachBetSize)
{
    const std::vector<std::pair<int, std::string>> cases { { 2, "couple-gagnant" }, { 3, "tierce" }, { 4, "quarte" },
        { 5, "quinte" }, { 6, "multi" }, { 7, "multi" }, { 0, "" }, { 1, "" }, { 8, "" }, { -3, "" } };
    for (const auto& [size, id] : cases) {
        BetChoice choice;
        choice.choose(FindBetType("trio"));
        choice.chooseDefaultFor(size);
        EXPECT_EQ(choice.type() ? std::string(choice.type()->id) : std::string(), id) << size;
    }
}

TEST(BetChoice, EachTypeKeepsItsOwnStakeUntilReset)
{
    BetChoice choice;
    const BetType& tierce = *FindBetType("tierce");
    const BetType& quinte = *FindBetType("quinte");
    EXPECT_EQ(choice.stakeCents(tierce), 100);
    choice.setStakeCents(tierce, 250);
    EXPECT_EQ(choice.stakeCents(tierce), 250);
    EXPECT_EQ(choice.stakeCents(quinte), 200) << "another type's stake moved";
    // A copy of a type of the table finds the same stake.
    const BetType copy = tierce;
    EXPECT_EQ(choice.stakeCents(copy), 250);
    choice.resetStake(tierce);
    EXPECT_EQ(choice.stakeCents(tierce), 100);
}

TEST(BetChoice, EachTypeKeepsTheStakeItsRapportsAreFor)
{
    BetChoice choice;
    const BetType& quinte = *FindBetType("quinte");
    const BetType& multi = *FindBetType("multi");
    EXPECT_EQ(choice.rapportBaseCents(quinte), 200);
    EXPECT_EQ(choice.rapportBaseCents(multi), 300);
    choice.setRapportBaseCents(multi, 100);
    choice.setStakeCents(quinte, 400);
    EXPECT_EQ(choice.rapportBaseCents(multi), 100);
    EXPECT_EQ(choice.rapportBaseCents(quinte), 200) << "a stake moved the base of the rapports";
    choice.resetStake(multi);
    EXPECT_EQ(choice.rapportBaseCents(multi), 100) << "the default stake is not the base of the rapports";
}

TEST(BetChoice, CostUsesTheChosenTypeAndItsStake)
{
    const CombinationList list = MakeList({ "-1-2-3-", "-1-2-4-", "-1-3-4-", "-2-3-4-" });
    BetChoice choice;
    EXPECT_FALSE(choice.cost(list)) << "no type chosen yet";
    choice.choose(FindBetType("trio"));
    choice.setStakeCents(*FindBetType("trio"), 175);
    choice.setStakeCents(*FindBetType("tierce"), 900);
    // 4 lines at 1,75 €.
    const std::optional<Result<BetCost>> cost = choice.cost(list);
    ASSERT_TRUE(cost);
    ASSERT_TRUE(cost->ok());
    EXPECT_EQ((*cost)->totalCents, 700);
    EXPECT_EQ((*cost)->unitName, "Trio");
    choice.choose(FindBetType("quinte"));
    ASSERT_TRUE(choice.cost(list));
    EXPECT_FALSE(choice.cost(list)->ok()) << "lines of 3 priced as a Quinté+";
}

} // namespace
} // namespace ornal
