#pragma once

#include "document/savedgame.h"
#include "testsupport.h"

#include <initializer_list>
#include <string>

namespace ornal {

// A selection of horses shown boxes numbered 1 to horses, bet size k, as the window leaves it after the choices.
inline SavedSelection SelectionOf(int horses, int k)
{
    SavedSelection selection;
    selection.horseCountText = std::to_string(horses);
    selection.betSizeText = std::to_string(k);
    selection.baseText = "Sans Base";
    for (int i = 0; i < horses; ++i) {
        selection.numbers[static_cast<std::size_t>(i)] = std::to_string(i + 1);
        selection.numbersShown[static_cast<std::size_t>(i)] = true;
    }
    for (int i = 0; i < k; ++i) {
        selection.marksShown[static_cast<std::size_t>(i)] = true;
    }
    for (int i = 0; i < k && i < SavedSelection::kResultBoxes; ++i) {
        selection.resultsShown[static_cast<std::size_t>(i)] = true;
    }
    return selection;
}

// Every combination of k numbers out of 1..n in rising order, built by counting rather than by the engine:
// C(20, 7) = 77,520 lines, the largest list.
inline CombinationList AllCombinations(int n, int k)
{
    CombinationList list;
    std::vector<int> picks(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) {
        picks[static_cast<std::size_t>(i)] = i + 1;
    }
    while (true) {
        std::string line = "-";
        for (int pick : picks) {
            line += std::to_string(pick) + "-";
        }
        list.append(line);
        int i = k - 1;
        while (i >= 0 && picks[static_cast<std::size_t>(i)] == n - k + i + 1) {
            --i;
        }
        if (i < 0) {
            return list;
        }
        ++picks[static_cast<std::size_t>(i)];
        for (int j = i + 1; j < k; ++j) {
            picks[static_cast<std::size_t>(j)] = picks[static_cast<std::size_t>(j - 1)] + 1;
        }
    }
}

} // namespace ornal
