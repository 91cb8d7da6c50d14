// A typical evening's road through one game, with no window: every count below is worked by hand.
#include "game/game.h"
#include "testdata.h"
#include "testsupport.h"

#include "betting/bettype.h"
#include "document/gamefile.h"
#include "engine/linefields.h"
#include "engine/preload.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

TEST(GameRoad, PreloadBasesComputeFiltersConditionsReductionCostArrivalSaveOpenUndo)
{
    Game game;
    // Eight horses, bets of five; the first horse typed as 01 stays 01 in every line.
    const std::optional<PreloadFields> fields = ParsePreload("|8|5|01|2|3|4|5|6|7|8");
    ASSERT_TRUE(fields.has_value());
    ASSERT_TRUE(game.preload(*fields).ok());
    ASSERT_NE(game.bets().type(), nullptr);
    EXPECT_EQ(game.bets().type()->id, "quinte");

    // One base, horse 1: its mark is box 0's.
    ASSERT_TRUE(game.chooseBaseMode("1").ok());
    const int mark = game.markFor(1);
    ASSERT_EQ(mark, 0);
    ASSERT_TRUE(game.setMark(mark, true).ok());

    // With 01 in every line, four of the seven others: C(7, 4) = 35.
    ASSERT_TRUE(game.compute().ok());
    ASSERT_EQ(game.list().size(), 35U);
    for (CombinationList::Count i = 0; i < game.list().size(); ++i) {
        ASSERT_TRUE(game.list().line(i).starts_with("-01-")) << game.list().line(i);
    }
    EXPECT_TRUE(game.shuffleShown());

    // Keep 2: three of the six others, C(6, 3) = 20; then remove 3: three of 4 to 8, C(5, 3) = 10.
    ASSERT_TRUE(game.keep("2").ok());
    ASSERT_EQ(game.list().size(), 20U);
    ASSERT_TRUE(game.remove("3").ok());
    ASSERT_EQ(game.list().size(), 10U);

    // Exactly one of 4 and 5 with two of 6, 7, 8: 2 x C(3, 2) = 6.
    LineConditions conditions;
    ASSERT_TRUE(conditions.addGroup(HorseGroup { "", { 4, 5 }, CountRange { 1, 1 } }));
    const GameOutcome applied = game.applyConditions(conditions);
    ASSERT_TRUE(applied.ok()) << applied.refusal->text();
    EXPECT_TRUE(applied.changed.has(GamePart::Conditions));
    ASSERT_EQ(game.list().size(), 6U);

    // A reduction keeps three of them, with the guarantee asked.
    CombinationList reduced;
    for (CombinationList::Count i = 0; i < 3; ++i) {
        reduced.append(game.list().line(i));
    }
    ASSERT_TRUE(game.applyLines(reduced).ok());
    ASSERT_TRUE(game.chooseGuarantee(SavedGuarantee { 5, 4 }).ok());
    ASSERT_EQ(game.list().size(), 3U);

    // Three Quinté+ lines at the type's stake.
    const BetType& quinte = *game.bets().type();
    const Result<BetCost> cost = game.price();
    ASSERT_TRUE(cost.ok()) << cost.refusal().text();
    EXPECT_EQ(cost->totalCents, 3 * quinte.defaultStakeCents);

    // The arrival is the first line's numbers in their order: that line pays in the first class.
    SavedArrival arrival;
    int place = 0;
    ForEachLineNumber(game.list().line(0),
        [&](std::string_view field) { arrival.numbers[static_cast<std::size_t>(place++)] = std::string(field); });
    ASSERT_EQ(place, 5);
    const Result<ArrivalOutcome> checked = game.checkArrival(arrival);
    ASSERT_TRUE(checked.ok()) << checked.refusal().text();
    ASSERT_FALSE(checked->paying.empty());
    EXPECT_EQ(checked->paying.front(), (PayingLine { 0, 0 }));

    // Saved and opened in another game: the same game comes back.
    (void)game.setFile("/tmp/soir.ornal");
    const SavedGame saved = game.saved();
    EXPECT_EQ(saved.bet->typeId, "quinte");
    EXPECT_EQ(saved.view->caption, SavedView::Caption::Count);
    Game reopened;
    const GameOutcome opened = reopened.open(saved);
    ASSERT_TRUE(opened.ok());
    EXPECT_TRUE(opened.changed.has(GamePart::List));
    EXPECT_EQ(reopened.list(), game.list());
    EXPECT_EQ(reopened.selection().numbers, game.selection().numbers);
    EXPECT_EQ(reopened.selection().marks, game.selection().marks);
    EXPECT_EQ(reopened.selectionText(), game.selectionText());
    EXPECT_EQ(reopened.caption(), game.caption());
    EXPECT_EQ(reopened.arrival(), game.arrival());
    EXPECT_EQ(reopened.guarantee(), game.guarantee());
    EXPECT_EQ(reopened.bets().type(), &quinte);
    EXPECT_EQ(reopened.saved(), saved);
    // Opening is a change of the list like any other: undo goes back to the one before it, with the race held
    // before it; redo brings the game's own race back.
    const RaceState raceBefore { { { 3, 2.5 }, { 7, 9 } }, OddsThresholds { 4, 15 } };
    Game withRace;
    (void)withRace.setRunners(raceBefore.runners, raceBefore.thresholds);
    (void)withRace.open(saved);
    EXPECT_TRUE(withRace.runners().empty());
    const GameOutcome undone = withRace.undo();
    EXPECT_TRUE(undone.changed.has(GamePart::Runners));
    EXPECT_TRUE(withRace.list().empty());
    EXPECT_EQ(withRace.runners(), raceBefore.runners);
    EXPECT_EQ(withRace.oddsThresholds(), raceBefore.thresholds);
    ASSERT_TRUE(withRace.redo().ok());
    EXPECT_TRUE(withRace.runners().empty());
    EXPECT_EQ(withRace.list(), game.list());
    // Undoing a filter leaves the race alone.
    ASSERT_TRUE(withRace.keep("6").ok());
    EXPECT_FALSE(withRace.undo().changed.has(GamePart::Runners));

    // Undo walks the first game back through every change: 6, 10, 20, 35, then nothing.
    for (CombinationList::Count expected : { 6U, 10U, 20U, 35U, 0U }) {
        ASSERT_TRUE(game.undo().ok());
        EXPECT_EQ(game.list().size(), expected);
    }
    EXPECT_EQ(game.caption(), text::kChooseBetTypeNow);
}

// A file of the first version of the format: 5 horses, bets of 2, the 9 of box 1 as base. Computed again, that
// selection gives the file's four lines: the 9 stays in second place beside each of the four others.
TEST(GameRoad, AFileOfTheFirstFormatOpensAsTheGameItWasMadeFrom)
{
    GameLoadOutcome loaded = LoadGame(Version1Game());
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    Game game;
    ASSERT_TRUE(game.open(*loaded).ok());
    const std::vector<std::string> lines { "-4-9-", "-12-9-", "-1-9-", "-7-9-" };
    EXPECT_EQ(LinesOf(game.list()), lines);
    EXPECT_EQ(game.caption(), CountCaption(4));
    EXPECT_EQ(game.selectionText(), "-4-9-12-1-7");
    EXPECT_EQ(game.predictionValues(), (std::vector<double> { 4, 9, 12, 1, 7 }));
    EXPECT_EQ(game.results()[0], "9");
    EXPECT_TRUE(game.shuffleShown());

    ASSERT_TRUE(game.compute().ok());
    EXPECT_EQ(LinesOf(game.list()), lines);
    // Bets of 2 read two result boxes: the file's 9 alone is refused, 9 with 7 is the fourth line.
    EXPECT_EQ(game.search().box, 1);
    (void)game.typeResult(1, "7");
    const GameOutcome found = game.search();
    ASSERT_TRUE(found.line.has_value()) << (found.refusal ? found.refusal->text() : "");
    EXPECT_EQ(*found.line, 3U);

    ASSERT_TRUE(game.undo().ok());
    EXPECT_EQ(LinesOf(game.list()), lines);
    ASSERT_TRUE(game.undo().ok());
    EXPECT_TRUE(game.list().empty());
    EXPECT_EQ(game.caption(), text::kChooseHorseCount);
}

} // namespace
} // namespace ornal
