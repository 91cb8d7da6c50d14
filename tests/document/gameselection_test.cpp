#include "gameselection.h"
#include "gametesting.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

// A selection as the window leaves it after picking 8 horses, bet size 3, one base ticked on box 2, four result
// boxes shown and the Tiercé and Trio pictures.
Selection EightHorsesOneBase()
{
    Selection sel;
    sel.horseCountText = "8";
    sel.betSizeText = "3";
    sel.baseText = "1";
    sel.baseCount = 1;
    for (int i = 0; i < 8; ++i) {
        sel.numbers[i] = std::to_string(i + 3);
        sel.shown[i] = true;
    }
    sel.markShown[0] = sel.markShown[1] = sel.markShown[2] = true;
    sel.marks[1] = true;
    sel.choicesShown = true;
    sel.baseShown = true;
    sel.resultBoxesShown = 4;
    sel.logos = std::pair { 2, 3 };
    return sel;
}

TEST(GameSelection, TheWindowsSelectionComesBackAsItWasSaved)
{
    const Selection sel = EightHorsesOneBase();
    const ResultTexts results { "3", "", "12", " 7", "" };
    const SavedSelection saved = SaveSelection(sel, results);
    EXPECT_EQ(saved.baseCount, 1);
    EXPECT_EQ(saved.results, results);
    // Four boxes shown are the first four: the window shows them from the left.
    EXPECT_EQ(saved.resultsShown, (std::array { true, true, true, true, false }));
    const SavedView view = SaveView(sel, SavedView::Caption::Count);
    EXPECT_EQ(view.logos, (std::array { 2, 3 }));
    const Selection opened = OpenSelection(saved, view);
    EXPECT_EQ(opened.horseCountText, sel.horseCountText);
    EXPECT_EQ(opened.betSizeText, sel.betSizeText);
    EXPECT_EQ(opened.baseText, sel.baseText);
    EXPECT_EQ(opened.baseCount, sel.baseCount);
    EXPECT_EQ(opened.numbers, sel.numbers);
    EXPECT_EQ(opened.shown, sel.shown);
    EXPECT_EQ(opened.marks, sel.marks);
    EXPECT_EQ(opened.markShown, sel.markShown);
    EXPECT_EQ(opened.choicesShown, sel.choicesShown);
    EXPECT_EQ(opened.baseShown, sel.baseShown);
    EXPECT_EQ(opened.resultBoxesShown, 4);
    EXPECT_EQ(opened.logos, sel.logos);
}

TEST(GameSelection, AFreshWindowHasNoChoicesNoLogosAndTheFirstPrompt)
{
    const Selection fresh;
    const SavedView view = SaveView(fresh, SavedView::Caption::ChooseHorseCount);
    EXPECT_FALSE(view.betSizeShown);
    EXPECT_FALSE(view.baseShown);
    EXPECT_FALSE(view.logos.has_value());
    const Selection opened = OpenSelection(SaveSelection(fresh, {}), view);
    EXPECT_EQ(opened.betSizeText, " ");
    EXPECT_EQ(opened.baseText, "Sans Base");
    EXPECT_EQ(opened.baseCount, -1);
    EXPECT_EQ(opened.resultBoxesShown, 3);
    EXPECT_FALSE(opened.logos.has_value());
}

struct OlderFile {
    const char* name;
    SavedGame game;
    SavedView expected; // worked out from what the window shows after each step, by hand
};

class ViewOfAnOlderFile : public testing::TestWithParam<OlderFile> { };

TEST_P(ViewOfAnOlderFile, IsWhatTheWindowShowsForThatSelection)
{
    EXPECT_EQ(ViewOf(GetParam().game), GetParam().expected);
}

std::vector<OlderFile> OlderFiles()
{
    using Caption = SavedView::Caption;
    std::vector<OlderFile> files;
    files.push_back({ "Untouched", SavedGame {}, { false, false, std::nullopt, Caption::ChooseHorseCount } });

    SavedGame horsesOnly;
    horsesOnly.selection = SelectionOf(6, 0);
    horsesOnly.selection.betSizeText = " ";
    files.push_back({ "HorsesChosen", horsesOnly, { true, true, std::nullopt, Caption::ChooseBetType } });

    // Bet size 2 shows the two Couplé pictures (0, 1), 4 the Quarté+ pair (4, 5), 5 to 7 the Quinté+ and Multi
    // pair (5, 6).
    SavedGame computed;
    computed.selection = SelectionOf(6, 2);
    computed.selectionText = "-1-2-3-4-5-6";
    computed.list = AllCombinations(6, 2);
    files.push_back({ "Computed", computed, { true, true, std::array { 0, 1 }, Caption::Count } });

    SavedGame filteredToNothing;
    filteredToNothing.selection = SelectionOf(7, 4);
    filteredToNothing.selectionText = "-1-2-3-4-5-6-7";
    files.push_back({ "FilteredToNothing", filteredToNothing, { true, true, std::array { 4, 5 }, Caption::Count } });

    SavedGame seven = computed;
    seven.selection = SelectionOf(9, 7);
    files.push_back({ "SevenNumbers", seven, { true, true, std::array { 5, 6 }, Caption::Count } });

    SavedGame ownView = computed;
    ownView.view = SavedView { true, false, std::array { 6, 2 }, Caption::ChooseBetType };
    files.push_back({ "ItsOwnViewWins", ownView, *ownView.view });
    return files;
}

INSTANTIATE_TEST_SUITE_P(
    Games, ViewOfAnOlderFile, testing::ValuesIn(OlderFiles()), [](const auto& info) { return info.param.name; });

} // namespace
} // namespace ornal
