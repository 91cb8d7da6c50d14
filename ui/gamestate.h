#pragma once

#include "document/savedgame.h"
#include "engine/selection.h"
#include "ui/form1controls.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace ornal {

// The property by which each bet-type picture remembers where the window first showed it, before any choice moved
// or hid it: a game saved before any choice shows them there again.
inline constexpr char kLogoHomeProperty[] = "ornalPositionDeDepart";

// The window's controls as a saved game's selection and view, and back. BaseCount and the logos shown live in the
// window, not in a control: they come in as arguments and go out in the Selection shown.

// The selection the controls hold: texts exactly as typed, ticks and every box's visibility.
SavedSelection ReadSavedSelection(const Form1Controls& ui, std::int16_t baseCount);

// What the controls show beyond texts and ticks.
SavedView ReadSavedView(const Form1Controls& ui, std::int16_t baseCount, std::optional<std::pair<int, int>> logos);

// Puts saved and view on the controls (texts, ticks, visibility, logos, but neither the list nor the caption) and
// returns the Selection they now show.
Selection ShowSavedSelection(Form1Controls& ui, const SavedSelection& saved, const SavedView& view);

// The count caption of kind caption over a list of count lines.
std::string CaptionText(SavedView::Caption caption, std::uint32_t count);

} // namespace ornal
