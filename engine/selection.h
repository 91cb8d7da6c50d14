#pragma once

#include "engine/messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace ornal {

inline constexpr int kNumberBoxCount = 20;
inline constexpr int kResultBoxCount = 5;

// What the window's selection controls hold, read as they stand: the selection flow works on it and the window
// shows what it leaves, so the command line can walk the same road without a window.
struct Selection {
    std::string horseCountText; // NombreChevaux
    std::string betSizeText = " "; // Jeu; " " is its blank item
    std::string baseText = std::string(text::kNoBase); // Base
    std::int16_t baseCount = -1; // BaseCount: -1 without bases, otherwise 1 to 3
    std::array<std::string, kNumberBoxCount> numbers {}; // Text1(i), exactly as the boxes hold them
    std::array<bool, kNumberBoxCount> shown {}; // Text1(i) visible
    std::array<bool, kNumberBoxCount> marks {}; // Check1(i) ticked
    std::array<bool, kNumberBoxCount> markShown {}; // Check1(i) visible
    bool choicesShown = false; // Jeu, JeuLabel and Valider visible
    bool baseShown = false; // Base and BaseLabel visible
    int resultBoxesShown = 3; // txtscan(0) to txtscan(n - 1) visible
    std::optional<std::pair<int, int>> logos; // the two bet-type logos shown, first next to Jeu
};

} // namespace ornal
