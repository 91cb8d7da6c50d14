#include "betting/oddsgroups.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

const std::vector<Runner> kRunners { { 1, 2.5 }, { 2, 5 }, { 3, 5.1 }, { 4, 15 }, { 5, 15.5 }, { 6, 40 }, { 7, 3 } };

TEST(GroupByOdds, ThresholdsBelongToTheLowerGroup)
{
    // 5 is a favourite and 15 an outsider: each threshold closes its group. Horse 6 is a runner outside the
    // prediction and stays out of every group; the order of the prediction is kept.
    const Result<OddsGroups> groups = GroupByOdds(kRunners, std::vector<double> { 7, 5, 4, 3, 2, 1 }, 5, 15);
    ASSERT_TRUE(groups.ok());
    EXPECT_EQ(groups->groups[0], (std::vector<double> { 7, 2, 1 }));
    EXPECT_EQ(groups->groups[1], (std::vector<double> { 4, 3 }));
    EXPECT_EQ(groups->groups[2], (std::vector<double> { 5 }));
}

TEST(GroupByOdds, OtherThresholdsMoveTheHorses)
{
    const Result<OddsGroups> groups = GroupByOdds(kRunners, std::vector<double> { 1, 2, 3, 6 }, 2.5, 5.1);
    ASSERT_TRUE(groups.ok());
    EXPECT_EQ(groups->groups[0], (std::vector<double> { 1 }));
    EXPECT_EQ(groups->groups[1], (std::vector<double> { 2, 3 }));
    EXPECT_EQ(groups->groups[2], (std::vector<double> { 6 }));
}

struct RefusalCase {
    std::vector<Runner> runners;
    std::vector<double> horses;
    double favourites;
    double outsiders;
    std::string text;
};

class GroupByOddsRefusal : public testing::TestWithParam<RefusalCase> { };

TEST_P(GroupByOddsRefusal, SaysWhyAndGroupsNothing)
{
    const RefusalCase& c = GetParam();
    const Result<OddsGroups> groups = GroupByOdds(c.runners, c.horses, c.favourites, c.outsiders);
    ASSERT_FALSE(groups.ok());
    EXPECT_EQ(groups.refusal().text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Table, GroupByOddsRefusal,
    testing::Values(RefusalCase { {}, { 1 }, 5, 15, "Donnez d'abord les partants et leurs cotes (Ctrl+K)." },
        RefusalCase { kRunners, { 1 }, 15, 15, "Le seuil des favoris doit être plus bas que celui des outsiders." },
        RefusalCase { kRunners, { 1, 12 }, 5, 15, "Le cheval 12 de la prédiction n'a pas de cote." }));

} // namespace
} // namespace ornal
