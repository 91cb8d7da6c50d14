#include "game/game.h"
#include "preloadedgame.h"

#include "engine/preload.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace ornal {
namespace {

std::array<bool, kResultBoxCount> FromTheLeft(int shown)
{
    std::array<bool, kResultBoxCount> boxes {};
    for (int i = 0; i < shown && i < kResultBoxCount; ++i) {
        boxes[i] = true;
    }
    return boxes;
}

// A choice typed and not picked runs no rule, but the computation reads it as the box holds it.
TEST(GameView, ATypedChoiceIsReadByTheComputationOnly)
{
    Game game = Preloaded("|8|5|1|2|3|4|5|6|7|8");
    const Selection before = game.selection();
    const BetType* proposed = game.bets().type();
    ASSERT_NE(proposed, nullptr);
    ASSERT_TRUE(game.typeChoice(Game::Choice::HorseCount, "12").changed.has(GamePart::Selection));
    EXPECT_EQ(game.selection().horseCountText, "12");
    EXPECT_EQ(game.selection().shown, before.shown);
    EXPECT_EQ(game.predictionTexts().size(), 8U);

    (void)game.typeChoice(Game::Choice::HorseCount, "8");
    (void)game.typeChoice(Game::Choice::BetSize, "3");
    EXPECT_EQ(game.bets().type(), proposed);
    ASSERT_TRUE(game.compute().ok());
    EXPECT_EQ(game.list().size(), 56U); // C(8, 3)

    (void)game.typeChoice(Game::Choice::BaseMode, "2");
    EXPECT_EQ(game.selection().baseText, "2");
    EXPECT_EQ(game.selection().baseCount, before.baseCount);
}

// A refused computation keeps the list and the selection text it was made of; the refused one is still known.
TEST(GameView, ARefusedComputationKeepsTheListsSelectionText)
{
    Game game = Preloaded("|8|5|1|2|3|4|5|6|7|8");
    ASSERT_TRUE(game.compute().ok());
    const std::string made = game.selectionText();
    EXPECT_EQ(game.lastSelectionText(), made);
    const CombinationList::Count lines = game.list().size();

    (void)game.typeNumber(7, "9");
    (void)game.typeNumber(6, "9");
    ASSERT_FALSE(game.compute().ok());
    EXPECT_EQ(game.list().size(), lines);
    EXPECT_EQ(game.selectionText(), made);
    EXPECT_NE(game.lastSelectionText(), made);
}

// The result boxes a file shows stay as it shows them, saved back so, until the selection's rules place them again.
TEST(GameView, TheResultBoxesOfAFileStayUntilTheRulesShowThemAgain)
{
    const std::array<bool, kResultBoxCount> ownWay { true, false, true, false, false };
    const Game preloaded = Preloaded("|8|5|1|2|3|4|5|6|7|8");
    SavedGame file = preloaded.saved();
    EXPECT_EQ(file.selection.resultsShown, FromTheLeft(preloaded.selection().resultBoxesShown));
    file.selection.resultsShown = ownWay;

    Game game;
    ASSERT_TRUE(game.open(file).ok());
    EXPECT_EQ(game.resultsShown(), ownWay);
    (void)game.typeNumber(0, "4");
    (void)game.typeResult(0, "1");
    EXPECT_EQ(game.saved().selection.resultsShown, ownWay);

    ASSERT_TRUE(game.chooseBaseMode("1").ok());
    EXPECT_EQ(game.resultsShown(), FromTheLeft(game.selection().resultBoxesShown));
    EXPECT_NE(game.resultsShown(), ownWay);
}

} // namespace
} // namespace ornal
