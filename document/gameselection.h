#pragma once

#include "document/savedgame.h"
#include "engine/selection.h"

#include <array>
#include <string>
#include <string_view>

namespace ornal {

// The result boxes' texts, txtscan(0) to txtscan(4).
using ResultTexts = std::array<std::string, kResultBoxCount>;

// The saved form of sel, whose result boxes hold results.
SavedSelection SaveSelection(const Selection& sel, const ResultTexts& results);

// What the window shows of sel beyond its texts and ticks, with the count caption caption.
SavedView SaveView(const Selection& sel, SavedView::Caption caption);

// The kind of count caption the text caption is: one of the two prompts, or a count.
SavedView::Caption CaptionKindOf(std::string_view caption);

// The view of game: its own, or for a file written before views were kept, what the window shows after the choices
// and a computation: choices shown once a box is, the logos of the bet size, the count once there is a list.
SavedView ViewOf(const SavedGame& game);

// The selection flow's Selection for saved shown with view.
Selection OpenSelection(const SavedSelection& saved, const SavedView& view);

} // namespace ornal
