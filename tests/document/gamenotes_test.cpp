// The notes a printout and a workbook add about a game: the bet in force and the bases in force.
#include "../betting/nobreak.h"
#include "document/gamenotes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace ornal {
namespace {

struct BasesCase {
    int baseCount;
    std::vector<int> ticked; // boxes
    std::string text;
};

class PrintedBasesTextTest : public testing::TestWithParam<BasesCase> { };

// Boxes 0 to 5 hold "3", "7", "12", "1", "09" and "15".
TEST_P(PrintedBasesTextTest, NamesTheTickedBoxesWhileABaseModeIsChosen)
{
    SavedSelection selection;
    selection.baseCount = GetParam().baseCount;
    const char* numbers[] = { "3", "7", "12", "1", "09", "15" };
    for (int i = 0; i < 6; ++i) {
        selection.numbers[static_cast<std::size_t>(i)] = numbers[i];
    }
    for (int box : GetParam().ticked) {
        selection.marks[static_cast<std::size_t>(box)] = true;
    }
    EXPECT_EQ(PrintedBasesText(selection), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Selections, PrintedBasesTextTest,
    testing::Values(BasesCase { -1, {}, "" }, BasesCase { 1, { 1 }, "Base : 7" },
        BasesCase { 2, { 1, 2 }, "Bases : 7, 12" },
        // Box order, and the boxes' texts as they stand.
        BasesCase { 3, { 4, 0, 2 }, "Bases : 3, 12, 09" },
        // A base mode with no tick yet names nothing; ticks left without a base mode are no bases.
        BasesCase { 2, {}, "" }, BasesCase { -1, { 1, 2 }, "" }));

TEST(GameNotes, TheBetComesFirstAndEmptyNotesAreLeftOut)
{
    SavedGame game;
    game.list.append("-3-7-");
    game.list.append("-3-12-");
    EXPECT_EQ(GameNotes(game), std::vector<std::string> {});
    game.selection.baseCount = 1;
    game.selection.numbers[0] = "3";
    game.selection.marks[0] = true;
    EXPECT_EQ(GameNotes(game), std::vector<std::string> { "Base : 3" });
    game.bet = SavedBet { "couple-gagnant", 250 };
    const std::vector<std::string> notes = GameNotes(game);
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0], NoBreak("Couplé gagnant : 2 mises de 2,50_€ = 5,00_€"));
    EXPECT_EQ(notes[1], "Base : 3");
}

} // namespace
} // namespace ornal
