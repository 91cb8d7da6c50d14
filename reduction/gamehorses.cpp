#include "reduction/gamehorses.h"

#include "engine/numericvalue.h"

namespace ornal {

GameHorses HorsesOfSelection(const Selection& sel)
{
    GameHorses game;
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (sel.shown[i]) {
            game.horses.push_back(NumericValue(sel.numbers[i]));
        }
        if (sel.baseCount != -1 && sel.marks[i]) {
            game.bases.push_back(NumericValue(sel.numbers[i]));
        }
    }
    return game;
}

} // namespace ornal
