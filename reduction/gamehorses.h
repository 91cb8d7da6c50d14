#pragma once

#include "engine/selection.h"

#include <vector>

namespace ornal {

// The horses and bases a reduction of a selection's list works on, in box order.
struct GameHorses {
    std::vector<double> horses;
    std::vector<double> bases;
};

// Every shown box and, while bases are in force, every ticked one, each read by its value as the filters and the
// repeated-number rule read it: a box of text is horse 0, which no other box can then hold.
GameHorses HorsesOfSelection(const Selection& sel);

} // namespace ornal
