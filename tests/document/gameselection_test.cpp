#include "document/gameselection.h"
#include "gametesting.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

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

// The caption's kind is read from the window's own texts: a count, or one of the two prompts shown before a list.
TEST(CaptionKindOf, NamesThePromptsAndCountsTheRest)
{
    EXPECT_EQ(CaptionKindOf("Sélectionner le nombre de chevaux de votre jeu"), SavedView::Caption::ChooseHorseCount);
    EXPECT_EQ(CaptionKindOf("Choisir maintenant le type de jeu"), SavedView::Caption::ChooseBetType);
    EXPECT_EQ(CaptionKindOf("Combinaisons : 6"), SavedView::Caption::Count);
    EXPECT_EQ(CaptionKindOf("Choisir maintenant le type de jeu "), SavedView::Caption::Count) << "exact text only";
}

} // namespace
} // namespace ornal
