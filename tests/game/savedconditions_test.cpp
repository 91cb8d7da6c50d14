#include "game/game.h"
#include "game/savedconditions.h"

#include <gtest/gtest.h>

#include <functional>

namespace ornal {
namespace {

struct ConditionsCase {
    const char* name;
    std::function<void(LineConditions&)> set;
};

class SavedConditionsRoundTrip : public testing::TestWithParam<ConditionsCase> { };

// Whatever a pass of conditions sets comes back from the file the same; what it leaves unset stays unset.
TEST_P(SavedConditionsRoundTrip, ComesBackTheSame)
{
    LineConditions conditions;
    GetParam().set(conditions);
    SavedGame game;
    SaveConditions(conditions, game);
    const LineConditions back = ConditionsOf(game);
    EXPECT_EQ(back.groups(), conditions.groups());
    EXPECT_EQ(back.sum(), conditions.sum());
    EXPECT_EQ(back.evenCount(), conditions.evenCount());
    EXPECT_EQ(back.longestRun(), conditions.longestRun());
    EXPECT_EQ(game.lineConditions.has_value(), conditions.sum() || conditions.evenCount() || conditions.longestRun());
}

INSTANTIATE_TEST_SUITE_P(Passes, SavedConditionsRoundTrip,
    testing::Values(ConditionsCase { "None", [](LineConditions&) {} },
        ConditionsCase { "TwoGroups",
            [](LineConditions& c) {
                c.addGroup(HorseGroup { "Favoris", { 3, 7 }, { 1, 1 } });
                c.addGroup(HorseGroup { "Outsiders", { 12, 1.5 }, { 0, 2 } });
            } },
        ConditionsCase { "SumOnly",
            [](LineConditions& c) {
                c.setSum(CountRange { 15, 25 });
            } },
        ConditionsCase { "EvenAndRun",
            [](LineConditions& c) {
                c.setEvenCount(CountRange { 0, 0 });
                c.setLongestRun(0);
            } },
        ConditionsCase { "Everything",
            [](LineConditions& c) {
                c.addGroup(HorseGroup { "Tocards", { 20 }, { 0, 1 } });
                c.setSum(CountRange { 0, 99 });
                c.setEvenCount(CountRange { 1, 3 });
                c.setLongestRun(3);
            } }),
    [](const auto& info) { return std::string(info.param.name); });

// A file's conditions the game cannot work on (a group's own bounds, an empty group) stay in the file as they came,
// until the player applies others.
TEST(SavedConditionsInTheGame, StayAsTheFileWroteThemUntilOthersAreApplied)
{
    SavedGame file;
    file.conditions = { { "Favoris", { "3", "7" }, 1, 2, SavedRange { 5, 15 }, std::nullopt, std::nullopt },
        { "Outsiders", {}, 0, 3, std::nullopt, std::nullopt, std::nullopt } };
    file.lineConditions = SavedLineConditions { { true, 10, 30 }, { false, 0, 3 }, { false, 1, 3 } };
    Game game;
    EXPECT_TRUE(game.open(file).changed.has(GamePart::Conditions));
    EXPECT_EQ(game.conditions().groups().size(), 1u);
    EXPECT_EQ(game.conditions().sum(), (CountRange { 10, 30 }));
    EXPECT_EQ(game.saved().conditions, file.conditions);
    EXPECT_EQ(game.saved().lineConditions, file.lineConditions);

    LineConditions other;
    other.setSum(CountRange { 12, 20 });
    (void)game.applyConditions(other);
    EXPECT_TRUE(game.saved().conditions.empty());
    EXPECT_EQ(game.saved().lineConditions->sum, (SavedLineBound { true, 12, 20 }));
}

} // namespace
} // namespace ornal
