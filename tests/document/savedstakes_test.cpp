#include "document/savedstakes.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

const BetType& TypeOf(std::string_view id)
{
    const BetType* type = FindBetType(id);
    EXPECT_NE(type, nullptr) << id;
    return *type;
}

TEST(SavedStakes, UntouchedStakesAreNotKept)
{
    EXPECT_TRUE(SavedStakes(BetChoice {}).empty());
}

TEST(SavedStakes, TheTypeInForceIsKeptEvenAtItsDefault)
{
    BetChoice bets;
    bets.choose(&TypeOf("trio"));
    const std::vector<SavedStake> stakes = SavedStakes(bets);
    ASSERT_EQ(stakes.size(), 1u);
    EXPECT_EQ(stakes[0].typeId, "trio");
    EXPECT_EQ(stakes[0].unitStakeCents, TypeOf("trio").defaultStakeCents);
}

struct StakeCase {
    const char* name;
    std::vector<SavedStake> saved; // in the table's order, as they come back
};

class StakesRoundTrip : public testing::TestWithParam<StakeCase> { };

TEST_P(StakesRoundTrip, ComeBackAsTheyWereSet)
{
    BetChoice bets;
    RestoreStakes(bets, GetParam().saved);
    EXPECT_EQ(SavedStakes(bets), GetParam().saved);
    // Types left out keep their defaults.
    for (const BetType& type : BetTypes()) {
        bool listed = false;
        for (const SavedStake& stake : GetParam().saved) {
            listed = listed || stake.typeId == type.id;
        }
        if (!listed) {
            EXPECT_EQ(bets.stakeCents(type), type.defaultStakeCents) << type.id;
            EXPECT_EQ(bets.rapportBaseCents(type), type.defaultStakeCents) << type.id;
        }
    }
}

std::vector<SavedStake> TwoTypes()
{
    return { { std::string(TypeOf("quinte").id), 300, TypeOf("quinte").defaultStakeCents },
        { std::string(TypeOf("multi").id), TypeOf("multi").defaultStakeCents, 100 } };
}

INSTANTIATE_TEST_SUITE_P(Stakes, StakesRoundTrip,
    testing::Values(StakeCase { "None", {} }, StakeCase { "TwoTypesOneStakeEach", TwoTypes() },
        StakeCase { "LargestStake", { { "trio", kMaxAmountCents, kMaxAmountCents } } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedStakes, AStakeOfATypeTheProgramNoLongerKnowsIsLeftOut)
{
    BetChoice bets;
    RestoreStakes(bets, { { "pari-disparu", 500, 500 }, { "trio", 250, std::nullopt } });
    EXPECT_EQ(SavedStakes(bets), (std::vector<SavedStake> { { "trio", 250, TypeOf("trio").defaultStakeCents } }));
}

} // namespace
} // namespace ornal
