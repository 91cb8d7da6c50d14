#include "game/listhistory.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

ListState State(std::initializer_list<std::string_view> lines, std::string selectionText, std::string caption)
{
    return ListState { MakeList(lines), std::move(selectionText), std::move(caption) };
}

// The window's road through three lists: computed, then filtered, then shuffled.
const ListState kEmpty = State({}, "", "Choisir maintenant le type de jeu");
const ListState kComputed = State({ "-1-2-", "-1-3-", "-2-3-" }, "-1-2-3", "Combinaisons : 3");
const ListState kFiltered = State({ "-1-2-", "-1-3-" }, "-1-2-3", "Combinaisons : 2");
const ListState kShuffled = State({ "-2-1-", "-3-1-" }, "-1-2-3", "Combinaisons : 2");

bool Same(const std::optional<ListState>& state, const ListState& expected)
{
    return state && state->list == expected.list && state->selectionText == expected.selectionText
        && state->caption == expected.caption;
}

TEST(ListHistory, UndoWalksBackThroughEveryChangeAndRedoForward)
{
    ListHistory history;
    history.record(kEmpty);
    history.record(kComputed);
    history.record(kFiltered);
    // The window now shows kShuffled.
    EXPECT_TRUE(Same(history.undo(kShuffled), kFiltered));
    EXPECT_TRUE(Same(history.undo(kFiltered), kComputed));
    EXPECT_TRUE(Same(history.undo(kComputed), kEmpty));
    EXPECT_FALSE(history.undo(kEmpty).has_value());
    EXPECT_EQ(history.redoSteps(), 3u);
    EXPECT_TRUE(Same(history.redo(kEmpty), kComputed));
    EXPECT_TRUE(Same(history.redo(kComputed), kFiltered));
    EXPECT_TRUE(Same(history.redo(kFiltered), kShuffled));
    EXPECT_FALSE(history.redo(kShuffled).has_value());
    EXPECT_EQ(history.undoSteps(), 3u);
}

TEST(ListHistory, ANewChangeAfterAnUndoForgetsWhatCouldBeRedone)
{
    ListHistory history;
    history.record(kEmpty);
    history.record(kComputed);
    ASSERT_TRUE(Same(history.undo(kFiltered), kComputed));
    // Instead of the filter, a shuffle of the computed list.
    history.record(kComputed);
    EXPECT_EQ(history.redoSteps(), 0u);
    EXPECT_FALSE(history.redo(kShuffled).has_value());
    EXPECT_TRUE(Same(history.undo(kShuffled), kComputed));
    EXPECT_TRUE(Same(history.undo(kComputed), kEmpty));
}

TEST(ListHistory, PastTheStepLimitTheOldestStepsGoFirst)
{
    ListHistory history(ListHistory::kMaxBytes, 3);
    for (int step = 1; step <= 5; ++step) {
        history.record(State({ "-1-2-" }, "étape " + std::to_string(step), ""));
    }
    EXPECT_EQ(history.undoSteps(), 3u);
    // Steps 5, 4 and 3 are kept; each undo hands one to redo, which counts against the same limit.
    const ListState now = State({}, "maintenant", "");
    EXPECT_EQ(history.undo(now)->selectionText, "étape 5");
    EXPECT_EQ(history.undoSteps() + history.redoSteps(), 3u);
}

TEST(ListHistory, TwentyStepsOfTheLargestListAreKept)
{
    const CombinationList largest = ComputeCombinations(TwentyHorses(7)).list;
    ASSERT_EQ(largest.size(), 77520u); // C(20, 7)
    ListHistory history;
    for (int step = 1; step <= 20; ++step) {
        history.record(ListState { largest, "étape " + std::to_string(step), "Combinaisons : 77520" });
    }
    EXPECT_EQ(history.undoSteps(), 20u);
    EXPECT_LE(history.memoryBytes(), 64'000'000u);
}

TEST(ListHistory, PastTheMemoryBudgetTheOldestListsGoFirst)
{
    const CombinationList largest = ComputeCombinations(TwentyHorses(7)).list;
    const std::size_t oneState = ListState { largest, "étape 10", "" }.memoryBytes();
    ASSERT_GT(oneState, 1'500'000u); // 77,520 lines of 16 to 22 characters and their ends
    // A budget of two and a half states keeps the two most recent.
    ListHistory history(oneState * 5 / 2);
    for (int step = 10; step <= 14; ++step) {
        history.record(ListState { largest, "étape " + std::to_string(step), "" });
    }
    EXPECT_EQ(history.undoSteps(), 2u);
    EXPECT_LE(history.memoryBytes(), oneState * 5 / 2);
    const ListState now { {}, "maintenant", "" };
    EXPECT_EQ(history.undo(now)->selectionText, "étape 14");
    EXPECT_EQ(history.undo(now)->selectionText, "étape 13");
    EXPECT_FALSE(history.undo(now).has_value());
}

TEST(ListHistory, AStateLargerThanTheWholeBudgetIsNotKept)
{
    // Room for the small state, not for the long line: the oldest goes first, then the long one itself.
    ListHistory history(1000);
    history.record(State({ "-1-2-" }, "", ""));
    ASSERT_EQ(history.undoSteps(), 1u);
    history.record(State({ "-" + std::string(2000, '1') + "-" }, "", ""));
    EXPECT_EQ(history.undoSteps(), 0u);
    EXPECT_EQ(history.memoryBytes(), 0u);
}

// Opening a game replaces the race too: its step carries the race before it, and only its step.
TEST(ListHistory, TheRaceComesBackOnlyWithTheStepThatReplacedIt)
{
    const RaceState before { { { 1, 2.5 }, { 2, 4 } }, OddsThresholds { 3, 12 } };
    ListHistory history;
    history.recordRace(before); // no step yet: nothing to carry it
    EXPECT_EQ(history.undoSteps(), 0u);
    history.record(kComputed); // the opening
    const std::size_t bytes = history.memoryBytes();
    history.recordRace(before);
    EXPECT_GT(history.memoryBytes(), bytes) << "the runners count in the memory held";
    EXPECT_TRUE(history.undoBringsRace());
    history.record(kFiltered); // a filter after it
    EXPECT_FALSE(history.undoBringsRace());

    EXPECT_FALSE(history.undo(kShuffled)->race.has_value());
    EXPECT_TRUE(history.undoBringsRace());
    const std::optional<ListState> opened = history.undo(kFiltered);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->race, before);
    EXPECT_FALSE(history.redoBringsRace()) << "the caller hands in the race it shows";
}

} // namespace
} // namespace ornal
