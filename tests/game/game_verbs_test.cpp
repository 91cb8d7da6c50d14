#include "game/game.h"
#include "preloadedgame.h"
#include "testsupport.h"

#include "engine/messages.h"
#include "engine/preload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>

namespace ornal {
namespace {

using Focus = GameOutcome::Focus;

std::string RefusalText(const GameOutcome& outcome)
{
    return outcome.refusal ? outcome.refusal->text() : std::string();
}

struct SelectionCase {
    const char* what;
    const char* preload; // empty: a new game
    std::function<GameOutcome(Game&)> verb;
    std::string_view refusal; // empty: done
    Focus focus;
    int box;
};

// Each refusal of the selection controls, and the control the player is sent back to.
TEST(GameSelection, EachRefusalSaysWhyAndWhereToGo)
{
    const SelectionCase cases[] = {
        { "bet size before any horse count", "", [](Game& g) { return g.chooseBetSize("5"); }, text::kChooseNumber,
            Focus::HorseCount, -1 },
        { "bet size above the horse count", "|8|5|1|2|3|4|5|6|7|8", [](Game& g) { return g.chooseBetSize("9"); },
            text::kInvalidChoice, Focus::None, -1 },
        { "bet size equal to the horse count", "|8|5|1|2|3|4|5|6|7|8", [](Game& g) { return g.chooseBetSize("8"); }, "",
            Focus::None, -1 },
        { "base mode before any horse count", "", [](Game& g) { return g.chooseBaseMode("1"); }, text::kChooseNumber,
            Focus::HorseCount, -1 },
        { "second base tick in a one-base mode", "|8|5|1|2|3|4|5|6|7|8",
            [](Game& g) {
                (void)g.chooseBaseMode("1");
                (void)g.setMark(0, true);
                return g.setMark(1, true);
            },
            text::kInvalidClickCount, Focus::None, -1 },
        { "computation with a blank box", "|8|5|1|2|3|4|5|6|7|8",
            [](Game& g) {
                (void)g.typeNumber(3, "");
                return g.compute();
            },
            text::kEnterNumber, Focus::NumberBox, 3 },
        { "computation with a number given twice", "|8|5|1|2|3|4|5|6|7|8",
            [](Game& g) {
                (void)g.typeNumber(6, "02");
                return g.compute();
            },
            text::kNumberAlreadyEntered, Focus::NumberBox, 6 },
        { "computation without a bet size", "|8", [](Game& g) { return g.compute(); }, text::kChooseBetType,
            Focus::BetSize, -1 },
    };
    for (const SelectionCase& c : cases) {
        Game game = *c.preload ? Preloaded(c.preload) : Game();
        const GameOutcome outcome = c.verb(game);
        EXPECT_EQ(RefusalText(outcome), c.refusal) << c.what;
        EXPECT_EQ(outcome.focus, c.focus) << c.what;
        EXPECT_EQ(outcome.box, c.box) << c.what;
    }
}

TEST(GameSelection, ARefusedTickIsUndoneAndTheFirstStays)
{
    Game game = Preloaded("|8|5|1|2|3|4|5|6|7|8");
    ASSERT_TRUE(game.chooseBaseMode("1").ok());
    ASSERT_TRUE(game.setMark(0, true).ok());
    EXPECT_FALSE(game.setMark(1, true).ok());
    EXPECT_TRUE(game.selection().marks[0]);
    EXPECT_FALSE(game.selection().marks[1]);
}

TEST(GameSelection, ARefusedBetSizeKeepsItsTextAndNothingElse)
{
    Game game = Preloaded("|8|5|1|2|3|4|5|6|7|8");
    const Selection before = game.selection();
    EXPECT_FALSE(game.chooseBetSize("9").ok());
    EXPECT_EQ(game.selection().betSizeText, "9");
    EXPECT_EQ(game.selection().resultBoxesShown, before.resultBoxesShown);
    EXPECT_EQ(game.selection().logos, before.logos);
}

// The proposed bet type follows the bet size: the one of that size, or none past seven.
TEST(GameSelection, TheBetSizeProposesItsType)
{
    const struct {
        const char* size;
        const char* typeId; // nullptr: none
    } cases[] = { { "2", "couple-gagnant" }, { "3", "tierce" }, { "5", "quinte" }, { "6", "multi" }, { " 7 ", "multi" },
        { "8", nullptr } };
    for (const auto& c : cases) {
        Game game = Preloaded("|12");
        const GameOutcome outcome = game.chooseBetSize(c.size);
        ASSERT_TRUE(outcome.ok()) << c.size;
        EXPECT_TRUE(outcome.changed.has(GamePart::Bet)) << c.size;
        const BetType* type = game.bets().type();
        EXPECT_EQ(type ? std::string(type->id) : std::string(), c.typeId ? c.typeId : "") << c.size;
    }
}

// A base is ticked on the first mark that may take it whose box holds its value; bets of 3 leave marks to the
// first three boxes only.
TEST(GameSelection, TheMarkOfABaseIsFoundByValue)
{
    Game game = Preloaded("|6|3|05|7|12|1|9|11");
    ASSERT_TRUE(game.chooseBaseMode("2").ok());
    const struct {
        double number;
        int mark;
    } cases[] = { { 5, 0 }, { 7, 1 }, { 12, 2 }, { 1, -1 }, { 11, -1 }, { 4, -1 } };
    for (const auto& c : cases) {
        EXPECT_EQ(game.markFor(c.number), c.mark) << c.number;
    }
}

// The parsed prediction follows the boxes: only the shown ones, read as numbers, texts kept as typed.
TEST(GameSelection, ThePredictionIsReadOncePerChange)
{
    Game game = Preloaded("|4|2|05|7|x|12");
    EXPECT_EQ(game.predictionTexts(), (std::vector<std::string> { "05", "7", "x", "12" }));
    EXPECT_EQ(game.predictionValues(), (std::vector<double> { 5, 7, 0, 12 }));
    (void)game.typeNumber(2, "9");
    EXPECT_EQ(game.predictionValues(), (std::vector<double> { 5, 7, 9, 12 }));
    (void)game.chooseHorseCount("3");
    EXPECT_EQ(game.predictionTexts(), (std::vector<std::string> { "05", "7", "9" }));
}

struct ListCase {
    const char* what;
    std::function<GameOutcome(Game&)> verb;
    std::string_view refusal;
    CombinationList::Count lines; // after the verb
};

// Worked by hand on 6 horses, bets of 3: C(6, 3) = 20 lines, 10 of them hold a given number, 10 do not.
TEST(GameList, FiltersAndTheirRefusals)
{
    const ListCase cases[] = {
        { "keep 2", [](Game& g) { return g.keep("2"); }, "", 10 },
        { "remove 2", [](Game& g) { return g.remove("2"); }, "", 10 },
        { "keep 05 holds 5", [](Game& g) { return g.keep("05"); }, "", 10 },
        { "keep a number of no line", [](Game& g) { return g.keep("9"); }, "", 0 },
        { "keep 2 then remove 3",
            [](Game& g) {
                (void)g.keep("2");
                return g.remove("3");
            },
            "", 6 },
        { "keep without a number", [](Game& g) { return g.keep(""); }, text::kChooseNumber, 20 },
        { "keep on an emptied list",
            [](Game& g) {
                (void)g.keep("9");
                return g.keep("1");
            },
            text::kEmptyList, 0 },
    };
    for (const ListCase& c : cases) {
        Game game = Preloaded("|6|3|1|2|3|4|5|6");
        ASSERT_TRUE(game.compute().ok());
        ASSERT_EQ(game.list().size(), 20U);
        const GameOutcome outcome = c.verb(game);
        EXPECT_EQ(RefusalText(outcome), c.refusal) << c.what;
        EXPECT_EQ(game.list().size(), c.lines) << c.what;
        EXPECT_EQ(outcome.changed.has(GamePart::List), c.refusal.empty()) << c.what;
        EXPECT_EQ(game.caption(), CountCaption(c.lines)) << c.what;
    }
}

TEST(GameList, UndoAndRedoWalkTheChangesWithTheirCaptions)
{
    Game game = Preloaded("|6|3|1|2|3|4|5|6");
    EXPECT_TRUE(game.undo().changed.none());
    ASSERT_TRUE(game.compute().ok());
    ASSERT_TRUE(game.keep("2").ok());
    const GameOutcome back = game.undo();
    EXPECT_TRUE(back.changed.has(GamePart::List));
    EXPECT_EQ(game.list().size(), 20U);
    ASSERT_TRUE(game.undo().ok());
    EXPECT_TRUE(game.list().empty());
    // Before the first list the caption asked for the bet type.
    EXPECT_EQ(game.caption(), text::kChooseBetTypeNow);
    EXPECT_TRUE(game.undo().changed.none());
    ASSERT_TRUE(game.redo().ok());
    ASSERT_TRUE(game.redo().ok());
    EXPECT_EQ(game.list().size(), 10U);
    EXPECT_EQ(game.caption(), CountCaption(10));
    EXPECT_TRUE(game.redo().changed.none());
}

// Each line's values are read once per list, texts as written ("05" is 5).
TEST(GameList, LineValuesFollowTheList)
{
    Game game;
    (void)game.applyLines(MakeList({ "-05-1-", "-12-3-4-" }));
    const LineValues& read = game.lineValues();
    EXPECT_EQ(read.values, (std::vector<double> { 5, 1, 12, 3, 4 }));
    EXPECT_EQ(read.starts, (std::vector<std::size_t> { 0, 2, 5 }));
    EXPECT_EQ(game.list().line(0), "-05-1-");
    (void)game.undo();
    EXPECT_TRUE(game.lineValues().values.empty());
}

TEST(GameList, SearchFindsTheFirstLineHoldingTheResult)
{
    Game game = Preloaded("|5|2|1|2|3|4|5");
    ASSERT_TRUE(game.compute().ok());
    // Lines in order: 1-2, 1-3, 1-4, 1-5, 2-3, 2-4, ...: 2 and 4 come together in the sixth.
    (void)game.typeResult(0, "4");
    (void)game.typeResult(1, "2");
    GameOutcome found = game.search();
    ASSERT_TRUE(found.ok());
    ASSERT_TRUE(found.line.has_value());
    EXPECT_EQ(game.list().line(*found.line), "-2-4-");
    (void)game.typeResult(1, "");
    found = game.search();
    EXPECT_EQ(RefusalText(found), text::kRequiredField);
    EXPECT_EQ(found.focus, Focus::ResultBox);
    EXPECT_EQ(found.box, 1);
}

TEST(GameList, ShuffleKeepsEachLinesNumbers)
{
    Game game = Preloaded("|5|3|1|2|3|4|5");
    ClockSeededSource random;
    EXPECT_TRUE(game.shuffle(random).changed.none()); // nothing to shuffle yet
    ASSERT_TRUE(game.compute().ok());
    const CombinationList before = game.list();
    ASSERT_TRUE(game.shuffle(random).ok());
    ASSERT_EQ(game.list().size(), before.size());
    for (CombinationList::Count i = 0; i < before.size(); ++i) {
        std::string a(before.line(i));
        std::string b(game.list().line(i));
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b) << i;
    }
}

TEST(GameBet, PriceNeedsATypeThatTakesTheLines)
{
    Game game = Preloaded("|6|3|1|2|3|4|5|6");
    ASSERT_TRUE(game.compute().ok());
    Result<BetCost> cost = game.price();
    ASSERT_TRUE(cost.ok());
    const BetType* tierce = FindBetType("tierce");
    ASSERT_NE(tierce, nullptr);
    EXPECT_EQ(cost->totalCents, 20 * tierce->defaultStakeCents);
    (void)game.setStake(*tierce, 250);
    EXPECT_EQ(game.price()->totalCents, 20 * 250);
    (void)game.chooseBetType(FindBetType("quinte"));
    EXPECT_FALSE(game.price().ok()); // lines of three are no Quinté+
    (void)game.chooseBetType(nullptr);
    EXPECT_FALSE(game.price().ok());
}

struct ArrivalRefusalCase {
    const char* what;
    std::array<const char*, 3> places;
    std::string text;
    MessageIcon icon;
    int box; // the arrival box the player is sent back to
};

// The arrival check's refusal reaches the game's caller whole: its text, its icon and the box it is about.
TEST(GameBet, EachArrivalRefusalKeepsItsTextAndBox)
{
    const ArrivalRefusalCase cases[] = {
        { "a box that is no number", { "1", "x", "3" }, std::string(text::kEnterNumber), MessageIcon::None, 1 },
        { "a blank box in the middle", { "1", "", "3" }, std::string(text::kEnterNumber), MessageIcon::None, 1 },
        { "a horse typed twice", { "2", "3", "2" }, std::string(text::kNumberAlreadyEntered), MessageIcon::None, 2 },
        { "too few places", { "1", "2", "" }, "L'arrivée du Tiercé compte 3 chevaux.", MessageIcon::Information, 2 },
    };
    Game game = Preloaded("|6|3|1|2|3|4|5|6");
    ASSERT_TRUE(game.compute().ok());
    (void)game.chooseBetType(FindBetType("tierce"));
    for (const ArrivalRefusalCase& c : cases) {
        SavedArrival arrival;
        std::copy(c.places.begin(), c.places.end(), arrival.numbers.begin());
        const Result<ArrivalOutcome> checked = game.checkArrival(arrival);
        ASSERT_FALSE(checked.ok()) << c.what;
        EXPECT_EQ(checked.refusal(), Refusal::Saying(c.text, c.icon).about(c.box)) << c.what;
    }
}

} // namespace
} // namespace ornal
