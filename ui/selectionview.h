#pragma once

#include "engine/selection.h"
#include "ui/form1controls.h"

namespace ornal {

// The window's selection controls as the engine's Selection, and back: the window keeps no selection rules of its
// own, it copies what the controls hold into the flow and shows what the flow leaves.

// The selection the controls hold; BaseCount and the logos shown live in the window, not in a control.
Selection ReadSelection(const Form1Controls& ui, std::int16_t baseCount, std::optional<std::pair<int, int>> logos);

// Shows sel on the controls: visibility of boxes, marks, choices, result boxes and logos, and the ticks. Texts are
// left alone: the flow never writes a control's text.
void ShowSelection(Form1Controls& ui, const Selection& sel);

} // namespace ornal
